#pragma once

#include <QTableWidgetItem>

// A table cell that sorts as people read it: cells that are both numbers ("+9", "-15", "−20",
// "41") by their value, others by their text. Qt's own cell compares texts, which puts "+9"
// after "+50" and "-15" before "-9".
class SortableItem : public QTableWidgetItem
{
public:
    using QTableWidgetItem::QTableWidgetItem;

    bool operator<(const QTableWidgetItem& other) const override;
};
