// The four kinds of undo step: the current color, one palette slot, the
// block of slots a gradient rewrote, and a whole loaded palette. Each one
// applies to the dialog bound to the history at the time it is applied.
#pragma once

#include <cstdint>
#include <memory>

#include "plexa/jx_REF.h"
#include "plexa/jx_STREAM.h"
#include "undo/UndoManager.h"

// A step of the history: without a dialog bound to it, it changes nothing.
class CBoundUndoUnit : public mjx_UNDOUNIT {
public:
    explicit CBoundUndoUnit(const mjx_UNDOMGR& history) : history(history) {}
    bool Apply(bool direction, int stage) final;

protected:
    // Exchanges the stored state with the dialog's.
    virtual bool Exchange(UndoTarget& dialog) = 0;

private:
    const mjx_UNDOMGR& history;
};

class mjx_UNDO_NEWCOLOR final : public CBoundUndoUnit {
public:
    mjx_UNDO_NEWCOLOR(const mjx_UNDOMGR& history, std::uint32_t color) : CBoundUndoUnit(history), color(color) {}

private:
    bool Exchange(UndoTarget& dialog) override;

    std::uint32_t color;
};

class mjx_UNDO_PAL final : public CBoundUndoUnit {
public:
    mjx_UNDO_PAL(const mjx_UNDOMGR& history, int index, std::uint32_t value)
        : CBoundUndoUnit(history), index(index), value(value)
    {
    }

private:
    bool Exchange(UndoTarget& dialog) override;

    std::int32_t index;
    std::uint32_t value;
};

// Stores slots lo + 1 to lo + n.
class mjx_UNDO_PALii final : public CBoundUndoUnit {
public:
    mjx_UNDO_PALii(const mjx_UNDOMGR& history, int lo, int n, std::unique_ptr<std::uint32_t[]> values)
        : CBoundUndoUnit(history), lo(lo), n(n), values(std::move(values))
    {
    }

private:
    bool Exchange(UndoTarget& dialog) override;

    std::int32_t lo;
    std::int32_t n;
    std::unique_ptr<std::uint32_t[]> values;
};

// Holds the palette as a GIMP palette in memory: a loaded palette of any
// size is one stream, not a step per slot.
class mjx_UNDO_PAL_LOAD final : public CBoundUndoUnit {
public:
    mjx_UNDO_PAL_LOAD(const mjx_UNDOMGR& history, jx_STREAM* snapshot) : CBoundUndoUnit(history), snapshot(snapshot) {}

private:
    bool Exchange(UndoTarget& dialog) override;

    jx_REF<jx_STREAM> snapshot;
};
