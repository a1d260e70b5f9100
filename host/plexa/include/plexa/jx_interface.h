// Base of every reference-counted host object: the object starts with one
// reference, held by its creator, and the last Release destroys it.
#pragma once

#include "plexa/PlexaApi.h"

class PLEXA_API jx_interface {
public:
    jx_interface();
    jx_interface(const jx_interface&) = delete;
    jx_interface& operator=(const jx_interface&) = delete;

    // Frees the object: the first operation of every object's table. Each
    // concrete (final) class defines it as its deleting destructor.
    virtual void Delete() = 0;
    virtual int AddRef();
    // Returns the references left; at 0 the object is gone.
    virtual int Release();

protected:
    // Not virtual: an object is only ever destroyed through Delete.
    ~jx_interface() = default;

private:
    int references;
};
