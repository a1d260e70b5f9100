// The four kinds of undo step: the current color, one palette slot, the
// block of slots a gradient rewrote, and a whole loaded palette. Each one
// applies to the dialog bound to the history at the time it is applied.
#pragma once

#include <cstdint>
#include <memory>

#include "plexa/jx_REF.h"
#include "plexa/jx_STREAM.h"
#include "undo/UndoManager.h"

class mjx_UNDO_NEWCOLOR final : public mjx_UNDOUNIT {
public:
    mjx_UNDO_NEWCOLOR(const mjx_UNDOMGR& history, std::uint32_t color) : history(history), color(color) {}
    bool Apply(bool direction, int stage) override;

private:
    const mjx_UNDOMGR& history;
    std::uint32_t color;
};

class mjx_UNDO_PAL final : public mjx_UNDOUNIT {
public:
    mjx_UNDO_PAL(const mjx_UNDOMGR& history, int index, std::uint32_t value)
        : history(history), index(index), value(value)
    {
    }
    bool Apply(bool direction, int stage) override;

private:
    const mjx_UNDOMGR& history;
    std::int32_t index;
    std::uint32_t value;
};

// Stores slots lo + 1 to lo + n.
class mjx_UNDO_PALii final : public mjx_UNDOUNIT {
public:
    mjx_UNDO_PALii(const mjx_UNDOMGR& history, int lo, int n, std::unique_ptr<std::uint32_t[]> values)
        : history(history), lo(lo), n(n), values(std::move(values))
    {
    }
    bool Apply(bool direction, int stage) override;

private:
    const mjx_UNDOMGR& history;
    std::int32_t lo;
    std::int32_t n;
    std::unique_ptr<std::uint32_t[]> values;
};

// Holds the palette as a GIMP palette in memory: a loaded palette of any
// size is one stream, not a step per slot.
class mjx_UNDO_PAL_LOAD final : public mjx_UNDOUNIT {
public:
    mjx_UNDO_PAL_LOAD(const mjx_UNDOMGR& history, jx_STREAM* snapshot) : history(history), snapshot(snapshot) {}
    bool Apply(bool direction, int stage) override;

private:
    const mjx_UNDOMGR& history;
    jx_REF<jx_STREAM> snapshot;
};
