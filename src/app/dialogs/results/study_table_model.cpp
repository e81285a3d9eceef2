#include "app/dialogs/results/study_table_model.h"

#include "graphics/qt_text.h"
#include "graphics/study_chart.h"
#include "model/c_format.h"

#include <cmath>

namespace vendrix {

namespace {

QString fieldTitle(const std::string &field, const DisplaySettings &display)
{
    const std::string unit = quantityLabel(studyInputQuantity(field), display);
    return toQString(unit.empty() ? field : field + " " + unit);
}

QString shownInput(const std::string &field, double stored, const DisplaySettings &display)
{
    return QString::fromStdString(formatFieldNumber(shownStudyInput(field, stored, display)));
}

} // namespace

void StudyTableModel::setStudy(const StudyRequest *request, const std::vector<StudyPoint> *points,
                               std::vector<StudyValue> values, const DisplaySettings &display)
{
    beginResetModel();
    m_request = request;
    m_points = points;
    m_values = std::move(values);
    m_display = display;
    endResetModel();
}

void StudyTableModel::clear()
{
    beginResetModel();
    m_request = nullptr;
    m_points = nullptr;
    m_values.clear();
    endResetModel();
}

int StudyTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_points ? 0 : static_cast<int>(m_points->size());
}

int StudyTableModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_request)
        return 0;
    // The inputs, the results and the remark.
    return (m_request->second ? 2 : 1) + static_cast<int>(m_values.size()) + 1;
}

QVariant StudyTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || m_points == nullptr || index.row() >= rowCount())
        return {};
    const bool remark = index.column() == columnCount() - 1;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue((remark ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    return text((*m_points)[static_cast<size_t>(index.row())], index.column());
}

QString StudyTableModel::text(const StudyPoint &point, int column) const
{
    if (column == 0)
        return shownInput(m_request->first.field, point.first, m_display);
    if (m_request->second && column == 1)
        return shownInput(m_request->second->field, point.second, m_display);
    const size_t result = static_cast<size_t>(column - (m_request->second ? 2 : 1));
    if (result >= m_values.size())
        return toQString(point.error);
    const StudyValue value = m_values[result];
    const double v
        = studyValueOf(point, value) * displayFactor(studyValueQuantity(value), m_display);
    return std::isfinite(v) ? QString::fromStdString(formatResult(3, v)) : QStringLiteral("-");
}

QVariant StudyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !m_request)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return fieldTitle(m_request->first.field, m_display);
    if (m_request->second && section == 1)
        return fieldTitle(m_request->second->field, m_display);
    const size_t result = static_cast<size_t>(section - (m_request->second ? 2 : 1));
    if (result >= m_values.size())
        return QStringLiteral("Remark");
    const StudyValue value = m_values[result];
    return toQString(std::string(studyValueLabel(value)) + " "
                     + quantityLabel(studyValueQuantity(value), m_display));
}

} // namespace vendrix
