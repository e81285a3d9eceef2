#include "report/xlsx_export.h"

#include "model/field_table.h"
#include "model/result_fields.h"
#include "model/units.h"
#include "model/windows1252.h"
#include "report/shape_outline.h"
#include "report/workbook_file.h"

#include <string>

namespace vendrix {

namespace {

// Rows written one after the other; the first error is kept.
struct SheetRows
{
    lxw_worksheet *sheet;
    lxw_format *header;
    lxw_row_t row = 0;
    lxw_error error = LXW_NO_ERROR;

    void keep(lxw_error result)
    {
        if (error == LXW_NO_ERROR)
            error = result;
    }
    void text(lxw_col_t column, const std::string &utf8, lxw_format *format = nullptr)
    {
        keep(worksheet_write_string(sheet, row, column, utf8.c_str(), format));
    }
    void number(lxw_col_t column, double value, lxw_format *format = nullptr)
    {
        keep(worksheet_write_number(sheet, row, column, value, format));
    }
    void headings(std::initializer_list<const char *> names)
    {
        lxw_col_t column = 0;
        for (const char *name : names)
            text(column++, name, header);
        ++row;
    }
};

// "[kN/m ³]" as "kN/m ³" in UTF-8; empty for a plain number.
std::string unitText(Quantity quantity, const DisplaySettings &display)
{
    const char *label = quantityUnitLabel(quantity, display);
    if (!label)
        return {};
    const std::string text = windows1252ToUtf8(label);
    return text.size() > 2 && text.front() == '[' && text.back() == ']'
        ? text.substr(1, text.size() - 2)
        : text;
}

lxw_format *boldFormat(lxw_workbook *workbook)
{
    lxw_format *format = workbook_add_format(workbook);
    format_set_bold(format);
    return format;
}

lxw_error writeProfileSheet(lxw_workbook *workbook, const ProjectRecord &record)
{
    SheetRows rows {workbook_add_worksheet(workbook, "Profile"), boldFormat(workbook)};
    lxw_format *thousandths = workbook_add_format(workbook);
    format_set_num_format(thousandths, "0.000");
    const double factor = displayFactor(Quantity::Length, record.display);
    const std::string unit = unitLabels(record.display).length;
    rows.headings({("X " + unit).c_str(), ("Y " + unit).c_str()});
    for (const OutlinePoint &p : shownOutline(record)) {
        rows.number(0, p.x * factor, thousandths);
        rows.number(1, p.y * factor, thousandths);
        ++rows.row;
    }
    return rows.error;
}

// An input of the record as its dialog shows it.
void writeInputRow(SheetRows &rows, const FieldEntry &field, const ProjectRecord &record)
{
    auto &mutableRecord = const_cast<ProjectRecord &>(record); // the accessors only point
    rows.text(0, field.name);
    switch (field.kind) {
    case FieldKind::Number:
        rows.number(1, shownRecordValue(record, field.id));
        rows.text(2, unitText(field.quantity, record.display));
        break;
    case FieldKind::Flag:
        rows.number(1, *field.flag(mutableRecord) ? 1 : 0);
        break;
    case FieldKind::Choice:
        rows.text(1, analysisTypeName(record.input.analysisType));
        break;
    case FieldKind::Text:
        rows.text(1, windows1252ToUtf8(*field.text(mutableRecord)));
        break;
    }
    ++rows.row;
}

template<typename Result>
void writeResultRows(SheetRows &rows, std::span<const ResultField<Result>> fields,
                     const Result &result, const DisplaySettings &display)
{
    for (const ResultField<Result> &field : fields) {
        rows.text(0, field.name);
        if (field.number)
            rows.number(1, result.*field.number * displayFactor(field.quantity, display));
        else
            rows.number(1, result.*field.flag ? 1 : 0);
        rows.text(2, unitText(field.quantity, display));
        ++rows.row;
    }
}

lxw_error writeInputsAndResultsSheet(lxw_workbook *workbook, const ProjectRecord &record)
{
    SheetRows rows {workbook_add_worksheet(workbook, "Inputs and results"), boldFormat(workbook)};
    worksheet_set_column(rows.sheet, 0, 0, 34, nullptr);
    worksheet_set_column(rows.sheet, 1, 1, 16, nullptr);
    rows.headings({"Input", "Value", "Unit"});
    // The tube's inputs come first in the field table.
    for (const FieldEntry &field : recordFields()) {
        if (field.id <= FieldId::TubeLength)
            writeInputRow(rows, field, record);
    }
    ++rows.row;
    rows.headings({"Result", "Value", "Unit"});
    writeResultRows(rows, solutionResultFields(), record.solution, record.display);
    const Shape shape = record.state.shapeShown.value_or(Shape::AsFilled);
    if (shape != Shape::AsFilled)
        writeResultRows(rows, consolidationResultFields(), record.consolidation, record.display);
    return rows.error;
}

} // namespace

std::optional<Failure> writeXlsxFile(const std::filesystem::path &path, const ProjectRecord &record)
{
    return writeWorkbookFile(path, [&record](lxw_workbook *workbook) {
        const lxw_error profile = writeProfileSheet(workbook, record);
        const lxw_error numbers = writeInputsAndResultsSheet(workbook, record);
        return profile != LXW_NO_ERROR ? profile : numbers;
    });
}

} // namespace vendrix
