#pragma once
// The template interpreter: runs the statements of a template tree against
// a context (the report at the top level, a row inside "row", a cell inside
// "cell"), making rows, cells and texts and computing report variables.
// Statement names are case-insensitive. Every error is an EAppError with a
// Russian message; what was made before it stays in the report.
#include "report/ReportInterfaces.h"

#include <filesystem>
#include <memory>
#include <string>

class TNode;
class TTemplateRun;

// Interprets each child statement of `node`, in order, against `context`.
void InterpretSections(TTemplateRun& run, const std::shared_ptr<IReport3Base>& context,
                       const TNode& node);

// Reads a template file and interprets its statements against `context`; a
// file that cannot be read, or one already being read, raises an error.
void InterpretTemplateFile(TTemplateRun& run, const std::shared_ptr<IReport3Base>& context,
                           const std::filesystem::path& fileName);
