#pragma once
// Drawing a view's TIN over its map, and the TIN each view holds.
//
// A view holds at most one TIN (the last one a command made); setting a new
// one lets the previous go. The store is keyed by the view's address: the
// view's owner drops its entry when the view goes (DropViewTin). Drawing
// shows every triangle edge once, thin and grey, skipping edges outside the
// context's visible map rectangle.
#include <memory>

#include "platform/display/kernel_driver.h"
#include "platform/tin/tin.h"

namespace zv::tin {

void SetViewTin(const void* view, std::shared_ptr<const Tin> tin);
std::shared_ptr<const Tin> ViewTin(const void* view);
void DropViewTin(const void* view);

// Draws the view's TIN, if it has one, in the context's window; returns how
// many edges were drawn.
int64_t DrawViewTin(const void* view, display::KernelDriver& dc);

// Draws a TIN's edges in the context's window; returns how many were drawn.
int64_t DrawTinEdges(const Tin& tin, display::KernelDriver& dc);

}  // namespace zv::tin
