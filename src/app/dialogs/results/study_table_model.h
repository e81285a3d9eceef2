#pragma once
// The parametric study's table for a view: one row per point in the study's
// order, the varied inputs, the chosen results in display units and the reason
// of a failed point. Reads the points when a row is shown, so a study of
// thousands of points fills the window at once.

#include "post/parametric_study.h"

#include <QAbstractTableModel>

#include <vector>

namespace vendrix {

class StudyTableModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The request and points are read, not copied: they must outlive the
    // model or be replaced through setStudy or clear.
    void setStudy(const StudyRequest *request, const std::vector<StudyPoint> *points,
                  std::vector<StudyValue> values, const DisplaySettings &display);
    void clear();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString text(const StudyPoint &point, int column) const;

    const StudyRequest *m_request = nullptr;
    const std::vector<StudyPoint> *m_points = nullptr;
    std::vector<StudyValue> m_values;
    DisplaySettings m_display;
};

} // namespace vendrix
