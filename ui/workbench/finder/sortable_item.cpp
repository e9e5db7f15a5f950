#include "workbench/finder/sortable_item.h"

#include <optional>

#include <QLocale>

namespace {

std::optional<double> NumberIn(QString text)
{
    text.replace(QChar(0x2212), QLatin1Char('-'));
    if (text.startsWith(QLatin1Char('+')))
        text.remove(0, 1);
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? std::optional(value) : std::nullopt;
}

} // namespace

bool SortableItem::operator<(const QTableWidgetItem& other) const
{
    const auto mine = NumberIn(text());
    const auto theirs = NumberIn(other.text());
    if (mine && theirs)
        return *mine < *theirs;
    return text().localeAwareCompare(other.text()) < 0;
}
