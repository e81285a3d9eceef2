#pragma once
// The one printed page of the quantities dialog: remarks, the table of area,
// length, cost per unit area and total cost, and the storage capacity.

#include <QString>

class QPainter;

namespace vendrix {

struct QuantitiesPage
{
    QString remarks;
    QString areaUnit; // " m ² / m" ...
    QString lengthUnit; // " m" or " ft"
    QString costUnit; // "[ $ ] / m ²" ...
    QString currencyUnit; // "[ $ ]"
    QString areaPerLength; // Q1 as shown
    QString tubeLength; // "%.0f"
    QString costText; // as typed
    QString totalCost; // as shown
    QString storageLine; // "Total storage capacity of tube is ..."
    QString volumeLine; // empty unless a consolidated shape is current
};

// Draws the page in the painter's device units: a 12-point font measured on the
// device, the left column at three line heights, rules across the table. The
// positions are those of a 600 dpi printer, scaled to the device's resolution.
void drawQuantitiesPage(QPainter &painter, const QuantitiesPage &page);

} // namespace vendrix
