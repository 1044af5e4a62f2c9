#include "viewer/canvas/WaitCursorScope.h"

#include <QCursor>
#include <QGuiApplication>

WaitCursorScope::WaitCursorScope()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursorScope::~WaitCursorScope()
{
    QGuiApplication::restoreOverrideCursor();
}
