#pragma once
// The choices asked before the printed report. Printing reads them from here,
// never from the record, and hands them back to the project document, which
// stores them (a changed saved one is an undoable step).

#include "model/project_record.h"

namespace vendrix {

struct ReportOptions
{
    bool printBlackWhite = false; // saved in the project file
    bool includeLogo = false; // saved in the project file
    bool omitConsolidationPage = false; // kept for this session only
    bool addDesignCheckPage = false; // kept for this session only

    bool operator==(const ReportOptions &) const = default;
};

ReportOptions reportOptionsOf(const ProjectRecord &record);
void applyReportOptions(const ReportOptions &options, ProjectRecord &record);

} // namespace vendrix
