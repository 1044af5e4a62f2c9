#pragma once

class QString;
class QWidget;

namespace qRVADM::internal {

// The text of a Qt widget by widget class (buttons, line and text edits, group boxes, labels,
// combo boxes, spin boxes for reading); the first class that matches wins.
class WidgetText
{
public:
    // False, leaving `text` alone, when no class matches.
    static bool Read(const QWidget& widget, QString& text);
    // False when no class matches.
    static bool Write(QWidget& widget, const QString& text);
};

} // namespace qRVADM::internal
