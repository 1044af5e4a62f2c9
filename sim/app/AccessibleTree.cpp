#include "sim/app/AccessibleTree.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QWidget>

#include <sstream>

namespace hostapp {
namespace {

std::string OneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1String("\\n")).toStdString();
}

std::string States(const QAccessible::State& state)
{
    std::string words;
    if (state.disabled)
        words += " disabled";
    if (state.checkable)
        words += state.checked ? " checked" : " unchecked";
    if (state.focused)
        words += " focused";
    return words;
}

void Describe(QAccessibleInterface& object, int depth, std::ostringstream& out)
{
    const QAccessible::State state = object.state();
    if (state.invisible)
        return;
    const QString description = object.text(QAccessible::Description);
    out << std::string(2 * depth, ' ') << QMetaEnum::fromType<QAccessible::Role>().valueToKey(object.role()) << " \""
        << OneLine(object.text(QAccessible::Name)) << "\"" << States(state);
    if (!description.isEmpty())
        out << ": " << OneLine(description);
    out << "\n";
    for (int i = 0; i < object.childCount(); ++i)
        if (QAccessibleInterface* child = object.child(i))
            Describe(*child, depth + 1, out);
}

}  // namespace

std::string DescribeAccessibleTree(QWidget& root)
{
    std::ostringstream out;
    if (QAccessibleInterface* object = QAccessible::queryAccessibleInterface(&root))
        Describe(*object, 0, out);
    return out.str();
}

}  // namespace hostapp
