#pragma once
// What the tool views do with the tool requests other windows post: 0x470
// to the section tool view, 0x471 to the plan (project) tool view. A
// request with wParam 0, or a code beyond the view's own (16 and above for
// the section view, 15 and above for the plan view), is ignored whatever
// the code would do.

#include <cstdint>

namespace zv::toolview {

enum class RequestAction : uint8_t {
  kIgnore,            // returns at once
  kNothing,           // a known code that does nothing
  kDeleteObject,      // delete the object wParam points to
  kForgetCalculator,  // the calculator window has closed
  kStartEditAid,      // the edit-aid tool in `mode` with `flag`, after a cancel when `cancelFirst`
  kTextSearch,        // select the texts that hold the search text
  kChangeLayer,       // CGisEditView::ChangeCurLay
  kTakeOrtho,         // the editor's ortho switch follows OrthoEnabled
  kSetCurrentArea,    // wParam, a work area, becomes the current area of its type
  kChangeKindLayer,   // wParam 1, 2, 3: the layer of picked points, lines, regions
};

struct RequestStep {
  RequestAction action = RequestAction::kIgnore;
  int16_t mode = 0;
  bool cancelFirst = false;
  int32_t flag = 1;
};

// The step of a section tool view request (0x470) and of a plan tool view
// request (0x471).
RequestStep SectionToolRequest(std::intptr_t wParam, std::intptr_t code);
RequestStep PlanToolRequest(std::intptr_t wParam, std::intptr_t code);

}  // namespace zv::toolview
