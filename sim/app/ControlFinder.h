#pragma once

#include <QString>

#include <optional>
#include <vector>

class QComboBox;
class QWidget;

namespace hostapp {

// Finds controls the way a person does: by the text they show. Searches the visible widgets
// below the given roots (panel containers), in their creation order.
class ControlFinder
{
public:
    explicit ControlFinder(std::vector<QWidget*> roots);

    // The text a control shows: a button's or label's text without mnemonic markers, an edit's
    // or drop-down's current text (a drop-down with no current entry: its placeholder text), a
    // group box's title; empty for other widgets.
    static QString TextOf(const QWidget& widget);
    // The place a script word "nth:N" names (N from 1) as an index from 0, so that a script can name
    // an entry or control by its place whatever the language; nullopt for any other word.
    static std::optional<int> Position(const QString& word);
    // Line edits inside spin boxes and drop-downs belong to those; they are not controls of their own.
    static bool IsPartOfControl(const QWidget& widget);

    // The first visible control showing exactly `text` or whose picture name is `text`, or null.
    QWidget* Find(const QString& text) const;
    // The edit for `text`: an editable control showing it, else the editable control nearest to
    // the right of (or else below) the label showing it or the picture named `text`; "nth:N": the
    // Nth editable control. Null when there is none.
    QWidget* FindInput(const QString& text) const;
    // The drop-down list showing `text`, else the one nearest to the right of (or else below) the
    // label showing it or the picture named `text`; "nth:N": the Nth drop-down. Null when there is none.
    QComboBox* FindDropDown(const QString& text) const;

private:
    // A control of the kind `is` accepts showing `text`, else the one nearest to the label or
    // picture, as `FindInput` describes.
    QWidget* FindNear(const QString& text, bool (*is)(const QWidget&)) const;
    // "picture:" and the id of the picture a plug-in's picture control shows ("picture:16051");
    // empty for other widgets.
    static QString PictureName(const QWidget& widget);
    std::vector<QWidget*> Visible() const;

    std::vector<QWidget*> m_roots;
};

}  // namespace hostapp
