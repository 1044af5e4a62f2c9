#include "sim/app/DropDownChoice.h"

#include "sim/app/ControlFinder.h"

#include <QComboBox>

namespace hostapp {
namespace {

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

int FindEntry(const QComboBox& list, const QString& text)
{
    if (const std::optional<int> position = ControlFinder::Position(text))
        return *position < list.count() ? *position : -1;
    return list.findText(text, Qt::MatchExactly);
}

}  // namespace

std::string ChooseDropDownEntry(QComboBox& list, const std::string& name, const std::string& entry)
{
    if (!list.isEnabled())
        return "drop-down list " + Quoted(name) + " is disabled";
    const int row = FindEntry(list, QString::fromStdString(entry));
    if (row < 0)
        return "drop-down list " + Quoted(name) + " has no entry " + Quoted(entry);
    if (!list.model()->flags(list.model()->index(row, list.modelColumn())).testFlag(Qt::ItemIsEnabled))
        return "entry " + Quoted(entry) + " is disabled";
    list.setCurrentIndex(row);
    emit list.activated(row);
    return std::string();
}

}  // namespace hostapp
