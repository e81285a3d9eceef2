#pragma once
// The project the report tests and the report pictures print: every title-page
// field filled in, not yet run.

#include "model/project_record.h"

namespace vendrix::test {

inline ProjectRecord reportProject(AnalysisType type, bool twoLayers, bool english = false)
{
    ProjectRecord r;
    resetProject(r, "/tmp");
    r.input.analysisType = type;
    r.input.twoSlurryLayers = twoLayers ? 1 : 0;
    if (!twoLayers)
        r.input.slurryUnitWeightUpper = r.input.slurryUnitWeightLower;
    r.display.unitSystem = english ? UnitSystem::English : UnitSystem::SI;
    r.info.title = "Harbour basin dewatering";
    r.info.projectNumber = "2026-117";
    r.info.projectNumberSuffix = "B";
    r.info.client = "Port Works Ltd.";
    r.info.designer = "A. Engineer";
    r.info.dateTime = "12/08/2026 07:00";
    r.info.companyName = "Example Geotechnics";
    r.info.companyStreet1 = "1 Quay Road";
    r.info.companyCity = "Harbourtown";
    r.info.companyState = "ST";
    r.info.companyZip = "12345";
    r.info.companyPhone = "555-0100";
    r.info.companyFax = "555-0101";
    r.info.companyEmail = "office@example.com";
    r.info.projectPath = "/home/user/projects/harbour.gtb";
    return r;
}

} // namespace vendrix::test
