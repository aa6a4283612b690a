#pragma once
// Saving from the editing views: the project with its changed files (33157
// "&F文件/保存(&S)"), auto-save at a fixed interval (33528 "自动保存"), the
// reset of the default graphic parameters (33427), the section files'
// folder (32965 "柱状图路径") and the section files themselves.

#include <vector>

#include "framework/commands/command_table.h"

namespace zv {

class CSecGisEditView;
class CSecPrjEditView;

// One tick of the auto-save timer: the project saved; a failure is told
// once, naming the files, until a save succeeds again.
void OnAutoSaveTimer(CSecPrjEditView& view);

// Writes the section files into the view's save folder under its file name;
// false (told with the files named) when any write fails.
bool WriteZavedizFiles(CSecGisEditView& view);

std::vector<cmd::CommandRow> PlanSaveRows();
std::vector<cmd::CommandRow> SectionSaveRows();

}  // namespace zv
