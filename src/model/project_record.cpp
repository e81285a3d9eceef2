#include "model/project_record.h"

namespace vendrix {

void resetProject(ProjectRecord &record, const std::string &currentDirectory)
{
    DisplaySettings &display = record.display;
    display.printBlackWhite = 0;
    display.screenBlackWhite = 0;
    display.omitConsolidationPage = 0;

    AppState &state = record.state;
    state.projectOpen = 0;
    state.resultsValid = 0;
    state.shapeShown = ShapeNone;
    state.startDirectory = currentDirectory;

    // Every identification and company text is emptied; the General Information
    // dialog refills the company fields from the company file.
    record.info = ProjectInfo {};
    record.input = TubeInput {};
    record.solution = TubeSolution {};
    record.consolidation = ConsolidationResult {};
}

} // namespace vendrix
