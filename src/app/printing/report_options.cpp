#include "app/printing/report_options.h"

namespace vendrix {

ReportOptions reportOptionsOf(const ProjectRecord &record)
{
    return {record.display.printBlackWhite, record.info.includeLogo,
            record.display.omitConsolidationPage, record.display.addDesignCheckPage};
}

void applyReportOptions(const ReportOptions &options, ProjectRecord &record)
{
    record.display.printBlackWhite = options.printBlackWhite;
    record.info.includeLogo = options.includeLogo;
    record.display.omitConsolidationPage = options.omitConsolidationPage;
    record.display.addDesignCheckPage = options.addDesignCheckPage;
}

} // namespace vendrix
