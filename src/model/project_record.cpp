#include "model/project_record.h"

#include "model/windows1252.h"

namespace vendrix {

std::string projectPathText(const ProjectInfo &info)
{
    return info.projectPath.empty() ? std::string(kProjectNotSaved)
                                    : utf8ToWindows1252(info.projectPath.native());
}

void resetProject(ProjectRecord &record, const std::string &currentDirectory)
{
    DisplaySettings &display = record.display;
    display.printBlackWhite = false;
    display.screenBlackWhite = false;
    display.omitConsolidationPage = false;

    AppState &state = record.state;
    state.projectOpen = false;
    state.resultsValid = false;
    state.shapeShown = std::nullopt;
    state.startDirectory = currentDirectory;

    // Every identification and company text is emptied; the General Information
    // dialog refills the company fields from the company file.
    record.info = ProjectInfo {};
    record.input = TubeInput {};
    record.solution = TubeSolution {};
    record.consolidation = ConsolidationResult {};
    record.designCheck = DesignCheckInputs {};
}

} // namespace vendrix
