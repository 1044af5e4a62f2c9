#pragma once

#include <QWidget>

#include <windows.h>

// A top-level Qt widget living as a native child of a foreign window (a host panel): Tab and
// Shift+Tab pass the native focus between the two, and a modal Qt window shown from it disables
// the foreign window while it is visible. Windows only; host UI thread only.
class QWinWidget : public QWidget
{
    Q_OBJECT

public:
    // Without `parentWindow` the widget stays an ordinary top-level widget. The widget is deleted
    // with `parent` (when given) or when a self-deleting modal child closes it.
    explicit QWinWidget(HWND parentWindow = nullptr, QObject* parent = nullptr, Qt::WindowFlags flags = {});
    ~QWinWidget() override;
    QWinWidget(const QWinWidget&) = delete;
    QWinWidget& operator=(const QWinWidget&) = delete;

    // Remembers the native window that has the keyboard focus (or the parent), then shows.
    void show();
    void showCentered();
    // Centres the widget over the parent window; meant for widgets whose children are windows.
    void center();
    HWND parentWindow() const { return m_parentWindow; }

protected:
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;

private:
    void Embed();
    void SaveFocus();
    void RestoreFocus();
    void EnableParent();

    HWND m_parentWindow;
    HWND m_previousFocus = nullptr;
    bool m_parentDisabledByModal = false;
};
