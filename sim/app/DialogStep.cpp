#include "sim/app/DialogStep.h"

#include "sim/app/ControlFinder.h"
#include "sim/app/DropDownChoice.h"
#include "sim/app/TextEntry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QItemSelectionModel>
#include <QtTest/QTest>

namespace hostapp {
namespace {

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string In(const QDialog& dialog)
{
    return "dialog " + Quoted(dialog.windowTitle().toStdString());
}

// The row of `model` showing `text`, or with "nth:N" its Nth row; invalid when there is none.
QModelIndex Row(const QAbstractItemModel& model, const QModelIndex& root, const QString& text)
{
    if (const std::optional<int> position = ControlFinder::Position(text))
        return model.index(*position, 0, root);
    const QModelIndexList found = model.match(model.index(0, 0, root), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    return found.isEmpty() ? QModelIndex() : found.front();
}

// The visible list's index showing `text` (or at position "nth:N"), or an invalid one.
QModelIndex FindRow(const QDialog& dialog, const QString& text, QAbstractItemView*& view)
{
    for (QAbstractItemView* candidate : dialog.findChildren<QAbstractItemView*>()) {
        if (!candidate->isVisible() || candidate->model() == nullptr)
            continue;
        const QModelIndex row = Row(*candidate->model(), candidate->rootIndex(), text);
        if (row.isValid()) {
            view = candidate;
            return row;
        }
    }
    return QModelIndex();
}

std::string Type(QDialog& dialog, const std::string& control, const std::string& text)
{
    QWidget* input = ControlFinder({&dialog}).FindInput(QString::fromStdString(control));
    if (input == nullptr)
        return In(dialog) + " has no edit for " + Quoted(control);
    if (!input->isEnabled())
        return In(dialog) + ": edit " + Quoted(control) + " is disabled";
    TextEntry::Replace(*input, QString::fromStdString(text), Qt::Key_Tab);
    return std::string();
}

std::string Select(QDialog& dialog, const std::string& text)
{
    QAbstractItemView* view = nullptr;
    const QModelIndex row = FindRow(dialog, QString::fromStdString(text), view);
    if (!row.isValid())
        return In(dialog) + " has no list row " + Quoted(text);
    view->scrollTo(row);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(row).center());
    if (!view->selectionModel()->isSelected(row))
        return In(dialog) + ": list row " + Quoted(text) + " cannot be selected";
    return std::string();
}

std::string Choose(QDialog& dialog, const std::string& control, const std::string& entry)
{
    QComboBox* list = ControlFinder({&dialog}).FindDropDown(QString::fromStdString(control));
    if (list == nullptr)
        return In(dialog) + " has no drop-down list for " + Quoted(control);
    const std::string problem = ChooseDropDownEntry(*list, control, entry);
    return problem.empty() ? problem : In(dialog) + ": " + problem;
}

}  // namespace

std::string DialogStep::Perform(QDialog& dialog) const
{
    // The dialog a person works in is the active window: the focus moves between its edits.
    QApplication::setActiveWindow(&dialog);
    switch (action) {
    case Action::Type:
        return Type(dialog, control, text);
    case Action::Select:
        return Select(dialog, text);
    case Action::Choose:
        break;
    }
    return Choose(dialog, control, text);
}

}  // namespace hostapp
