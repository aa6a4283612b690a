#include "views/tool_core/tool_requests.h"

#include "framework/messages/private_message.h"

namespace zv::toolview {
namespace {

using A = RequestAction;

// Codes 0 .. 15; the section view acts on all of them, the plan view on
// 0 .. 14 with its own rows for 7 .. 14.
constexpr RequestStep kSection[] = {
    {A::kDeleteObject}, {A::kForgetCalculator}, {A::kStartEditAid, 9, true}, {A::kTextSearch},
    {A::kNothing},      {A::kChangeLayer},      {A::kTakeOrtho},             {A::kSetCurrentArea},
    {A::kNothing},      {A::kNothing},          {A::kNothing},               {A::kNothing},
    {A::kNothing},      {A::kNothing},          {A::kNothing},               {A::kChangeKindLayer},
};

// Whether codes 8 .. 14 of the plan view cancel the interaction first.
constexpr bool kPlanCancels[] = {true, false, true, false, true, false, false};

}  // namespace

RequestStep SectionToolRequest(std::intptr_t wParam, std::intptr_t code) {
  if (!msg::ToolRequestApplies(msg::kSectionToolRequest, wParam, code)) return {};
  return kSection[code];
}

RequestStep PlanToolRequest(std::intptr_t wParam, std::intptr_t code) {
  if (!msg::ToolRequestApplies(msg::kProjectToolRequest, wParam, code)) return {};
  if (code == msg::kToolSetCurrentArea) return {A::kNothing};
  if (code < msg::kToolEditAidFirst) return kSection[code];
  const auto index = code - msg::kToolEditAidFirst;
  const int32_t flag = code == msg::kToolEditAidLast ? static_cast<int32_t>(wParam) : 1;
  return {A::kStartEditAid, static_cast<int16_t>(msg::EditAidModeOfProjectRequest(code)), kPlanCancels[index], flag};
}

}  // namespace zv::toolview
