#include "exchange/dxf/dxf_template.h"

#include "exchange/dxf/dxf_group_writer.h"
#include "framework/text/numbers.h"

namespace zv::dxf {
namespace {

bool IsPointerCode(int code) { return code >= 330 && code <= 369; }

}  // namespace

DxfTemplate::DxfTemplate(std::string bytes) : bytes_(std::move(bytes)) {
  const std::string_view all(bytes_);
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find('\n', start);
    if (end == std::string_view::npos) end = all.size();
    std::string_view line = all.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2)
    groups_.push_back({num::ParseInt(lines[i]), lines[i], lines[i + 1]});
}

void DxfTemplate::Copy(DxfGroupWriter& out, const DxfTemplateGroup& group) {
  if (seedNext_ && group.code == 5) {
    seedNext_ = false;
    seed_ = group.value;
    out.Raw(group.codeLine, "");
    seedOffset_ = out.held().size() - 2;
    out.held().insert(seedOffset_, group.value);
    seedLength_ = group.value.size();
    return;
  }
  seedNext_ = group.code == 9 && group.value == "$HANDSEED";
  if (IsPointerCode(group.code)) {
    if (const auto renamed = renamed_.find(group.value); renamed != renamed_.end()) {
      out.Raw(group.codeLine, renamed->second);
      return;
    }
  }
  out.Raw(group.codeLine, group.value);
}

bool DxfTemplate::CopyThrough(DxfGroupWriter& out, const Match& match) {
  while (next_ < groups_.size()) {
    const DxfTemplateGroup& group = groups_[next_++];
    Copy(out, group);
    if (match(group)) return true;
  }
  return false;
}

bool DxfTemplate::SkipThrough(const Match& match, const std::function<void(const DxfTemplateGroup&)>& seen) {
  while (next_ < groups_.size()) {
    const DxfTemplateGroup& group = groups_[next_++];
    if (seen) seen(group);
    if (match(group)) return true;
  }
  return false;
}

bool DxfTemplate::CopyRest(DxfGroupWriter& out) { return CopyThrough(out, GroupIs(0, "EOF")); }

DxfTemplate::Match GroupIs(int code, std::string_view value) {
  return [code, value](const DxfTemplateGroup& g) { return g.code == code && g.value == value; };
}

DxfTemplate::Match ValueIs(std::string_view value) {
  return [value](const DxfTemplateGroup& g) { return g.value == value; };
}

}  // namespace zv::dxf
