#include "sim/app/MainWindow.h"

#include "RVADMQtManager.h"
#include "plugin/suites/AIMenuSuite.h"
#include "sim/app/DocumentWidget.h"
#include "sim/app/EditCommands.h"
#include "sim/app/EngineControl.h"
#include "sim/app/HostTheme.h"
#include "sim/app/PanelDock.h"
#include "sim/host/Host.h"
#include "sim/host/PanelWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include <cmath>
#include <iterator>

namespace hostapp {
namespace {

constexpr QSize kDefaultSize(1280, 820);
constexpr int kStatusLabelMargin = 10;
constexpr int kTicksPerSecond = 60;
constexpr double kZoomStep = 2.0;
constexpr double kEditStep = 10.0;   // points a move command moves
constexpr double kShapeSize = 36.0;  // points across a shape the Add Shape command adds
constexpr double kPointsPerMillimetre = 72.0 / 25.4;

QString MenuTitleText(const QAction& action)
{
    QString text = action.text();
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

std::vector<std::string> SplitPath(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', start)) {
        parts.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    parts.push_back(path.substr(start));
    return parts;
}

QAction* FindAction(const QList<QAction*>& actions, const std::string& name)
{
    const QString wanted = QString::fromStdString(name);
    for (QAction* action : actions)
        if (!action->isSeparator() && MenuTitleText(*action) == wanted)
            return action;
    for (QAction* action : actions)
        if (!action->isSeparator() && action->objectName() == wanted)
            return action;
    return nullptr;
}

struct ModifierBit
{
    Qt::KeyboardModifier qt;
    std::uint32_t bit;
};

constexpr ModifierBit kModifierBits[] = {
    {Qt::ShiftModifier, RVADMQtManager::InputHandlerManager::kModifierShift},
    {Qt::AltModifier, RVADMQtManager::InputHandlerManager::kModifierAlt},
    {Qt::ControlModifier, RVADMQtManager::InputHandlerManager::kModifierControl},
};

// The modifier bits after `key`; the space bar counts as a modifier while it is held.
std::uint32_t ModifiersAfter(const QKeyEvent& key, std::uint32_t before)
{
    std::uint32_t bits = before & RVADMQtManager::InputHandlerManager::kModifierSpace;
    if (key.key() == Qt::Key_Space && !key.isAutoRepeat())
        bits = key.type() == QEvent::KeyPress ? RVADMQtManager::InputHandlerManager::kModifierSpace : 0u;
    for (const ModifierBit& entry : kModifierBits)
        if (key.modifiers() & entry.qt)
            bits |= entry.bit;
    return bits;
}

QString ColorModelName(hostsim::ColorModel model)
{
    return model == hostsim::ColorModel::CMYK ? QStringLiteral("CMYK") : QStringLiteral("RGB");
}

}  // namespace

MainWindow::MainWindow(hostsim::Host& host)
    : m_host(host)
    , m_hostMenus(host)
    , m_tabs(new QTabWidget(this))
    , m_documentLabel(new QLabel(this))
    , m_zoomLabel(new QLabel(this))
    , m_engineLabel(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Hueline Host"));
    resize(kDefaultSize);
    setDockOptions(AnimatedDocks | AllowTabbedDocks);
    RVADMQtManager::QtManager::SetHostMainWindow(this);

    m_tabs->setDocumentMode(true);
    m_tabs->setTabsClosable(true);
    setCentralWidget(m_tabs);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (auto* view = qobject_cast<DocumentWidget*>(m_tabs->widget(index)); view && !m_syncing)
            Switch(view->Document());
    });
    connect(m_tabs, &QTabWidget::tabCloseRequested, this, [this](int index) {
        if (auto* view = qobject_cast<DocumentWidget*>(m_tabs->widget(index)))
            Close(view->Document());
    });

    m_zoomLabel->setMinimumWidth(90);
    m_zoomLabel->setAlignment(Qt::AlignCenter);
    // The permanent labels of the status bar keep apart from each other and from the window edge.
    for (QLabel* label : {m_engineLabel, m_zoomLabel})
        label->setContentsMargins(kStatusLabelMargin, 0, kStatusLabelMargin, 0);
    statusBar()->addWidget(m_documentLabel, 1);
    statusBar()->addPermanentWidget(m_engineLabel);
    statusBar()->addPermanentWidget(m_zoomLabel);
    BuildMenus();
    Sync();
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    // The docks hand the panels' containers back to the host before they go.
    for (PanelDock* dock : Docks())
        delete dock;
    RVADMQtManager::QtManager::SetHostMainWindow(nullptr);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const std::uint32_t modifiers = ModifiersAfter(key, m_modifiers);
        if (modifiers != m_modifiers) {
            m_modifiers = modifiers;
            RVADMQtManager::InputHandlerManager::DispatchModifiers(modifiers);
        }
        const bool inDocument = qobject_cast<DocumentWidget*>(QApplication::focusWidget()) != nullptr;
        if (event->type() == QEvent::KeyPress && inDocument && watched == QApplication::focusWidget() &&
            RVADMQtManager::InputHandlerManager::DispatchKey(static_cast<std::uint32_t>(key.key())))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::BuildMenus()
{
    BuildFileMenu();
    BuildEditMenu();
    BuildViewMenu();
    m_hostMenus.Attach(*menuBar()->addMenu(tr("&Window")), kToolPalettesMenuGroup);
    BuildEngineMenu();
}

void MainWindow::BuildFileMenu()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Open..."), this, &MainWindow::OpenFromDialog, QKeySequence::Open);
    file->addAction(tr("&Close"), this, [this] { Close(m_host.Documents().Current()); }, QKeySequence::Close);
    file->addSeparator();
    file->addAction(tr("&Quit"), this, &QWidget::close, QKeySequence::Quit);
}

void MainWindow::BuildEditMenu()
{
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QToolBar* tools = addToolBar(tr("Tools"));
    tools->setObjectName(QStringLiteral("Tools"));
    tools->setMovable(false);
    struct EditEntry
    {
        const char* text;
        QKeySequence key;
        std::function<hostsim::DocumentEdit(const hostsim::DocumentContent&)> make;
    };
    const EditEntry entries[] = {
        {"Move Front Item Right", QKeySequence(Qt::CTRL + Qt::Key_Right),
         [](const hostsim::DocumentContent& c) { return hostsim::DocumentEdit{MoveFrontItem(c, kEditStep, 0.0)}; }},
        {"Move Front Item Up", QKeySequence(Qt::CTRL + Qt::Key_Up),
         [](const hostsim::DocumentContent& c) { return hostsim::DocumentEdit{MoveFrontItem(c, 0.0, kEditStep)}; }},
        {"Recolour Front Item", QKeySequence(Qt::CTRL + Qt::Key_R),
         [](const hostsim::DocumentContent& c) { return hostsim::DocumentEdit{RecolourFrontItem(c)}; }},
        {"Add Shape", QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_N),
         [this](const hostsim::DocumentContent& c) {
             const hostsim::Document* document = m_host.Documents().Find(m_host.Documents().Current());
             return hostsim::DocumentEdit{AddShape(c, document->View().Center(), kShapeSize)};
         }},
    };
    for (const EditEntry& entry : entries) {
        QAction* action = edit->addAction(tr(entry.text), this, [this, make = entry.make] { EditFromMenu(make); }, entry.key);
        tools->addAction(action);
    }
    tools->addSeparator();
}

void MainWindow::BuildViewMenu()
{
    QMenu* view = menuBar()->addMenu(tr("&View"));
    QToolBar* tools = findChild<QToolBar*>(QStringLiteral("Tools"));
    tools->addAction(view->addAction(tr("Zoom &In"), this, [this] { Zoom(kZoomStep); }, QKeySequence::ZoomIn));
    tools->addAction(view->addAction(tr("Zoom &Out"), this, [this] { Zoom(1.0 / kZoomStep); }, QKeySequence::ZoomOut));
    tools->addAction(view->addAction(tr("&Fit Page"), this, [this] {
        if (DocumentWidget* current = CurrentView())
            current->FitPage();
        SyncStatus();
    }, QKeySequence(Qt::CTRL + Qt::Key_0)));
    view->addAction(tr("&Actual Size"), this, [this] {
        if (DocumentWidget* current = CurrentView())
            current->ZoomTo(1.0);
        SyncStatus();
    }, QKeySequence(Qt::CTRL + Qt::Key_1));
    view->addSeparator();
    m_darkAction = view->addAction(tr("&Dark Theme"), this, [this](bool dark) { SetDarkTheme(dark); });
    m_darkAction->setCheckable(true);
}

void MainWindow::BuildEngineMenu()
{
    m_engineMenu = menuBar()->addMenu(tr("E&ngine"));
    m_readyAction = m_engineMenu->addAction(tr("&Ready"), this, [this](bool ready) {
        if (m_engine)
            m_engine->SetReady(ready);
        SyncStatus();
    });
    m_readyAction->setCheckable(true);
    m_engineMenu->addSeparator();
    m_connectionGroup = new QActionGroup(this);
    for (std::size_t i = 0; i < std::size(kConnectionStates); ++i) {
        QAction* action = m_engineMenu->addAction(tr(kConnectionStates[i].title), this, [this, i] {
            if (m_engine)
                m_engine->SetConnection(i);
            SyncStatus();
        });
        action->setCheckable(true);
        m_connectionGroup->addAction(action);
    }
    m_engineMenu->addSeparator();
    m_engineMenu->addAction(tr("Clear &Call Log"), this, [this] {
        if (m_engine)
            m_engine->ClearCalls();
    });
    connect(m_engineMenu, &QMenu::aboutToShow, this, &MainWindow::UpdateEngineMenu);
    UpdateEngineMenu();
}

void MainWindow::UpdateEngineMenu()
{
    const bool available = m_engine && m_engine->Available();
    for (QAction* action : m_engineMenu->actions())
        action->setEnabled(available);
    m_readyAction->setChecked(available && m_engine->Ready());
    const QList<QAction*> states = m_connectionGroup->actions();
    for (int i = 0; i < states.size(); ++i)
        states[i]->setChecked(available && m_engine->Connection() == static_cast<std::size_t>(i));
}

void MainWindow::SetEngine(EngineControl* engine)
{
    m_engine = engine;
    UpdateEngineMenu();
    SyncStatus();
}

bool MainWindow::Open(const std::string& path, std::string& error)
{
    const bool opened = m_host.Documents().Open(path, error) != nullptr;
    Sync();
    return opened;
}

bool MainWindow::Close(AIDocumentHandle document)
{
    const bool closed = m_host.Documents().Close(document);
    Sync();
    return closed;
}

bool MainWindow::Switch(AIDocumentHandle document)
{
    const bool switched = m_host.Documents().Switch(document);
    Sync();
    return switched;
}

bool MainWindow::Edit(const hostsim::DocumentEdit& edit, std::string& error)
{
    const bool edited = m_host.Documents().Edit(m_host.Documents().Current(), edit, error);
    Sync();
    return edited;
}

AIDocumentHandle MainWindow::FindDocument(const std::string& name) const
{
    for (const AIDocumentHandle document : m_host.Documents().All())
        if (m_host.Documents().Find(document)->Name() == name)
            return document;
    return nullptr;
}

DocumentWidget* MainWindow::CurrentView() const
{
    return qobject_cast<DocumentWidget*>(m_tabs->currentWidget());
}

std::vector<PanelDock*> MainWindow::Docks() const
{
    const QList<PanelDock*> docks = findChildren<PanelDock*>(QString(), Qt::FindDirectChildrenOnly);
    return std::vector<PanelDock*>(docks.begin(), docks.end());
}

void MainWindow::SetDarkTheme(bool dark)
{
    ApplyHostTheme(dark);
    m_darkAction->setChecked(dark);
}

QAction* MainWindow::FindMenuAction(const std::string& path, std::string& error)
{
    const std::vector<std::string> parts = SplitPath(path);
    QList<QAction*> actions = menuBar()->actions();
    QAction* found = nullptr;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        found = FindAction(actions, parts[i]);
        if (!found) {
            error = "no menu item \"" + parts[i] + "\" in \"" + path + "\"";
            return nullptr;
        }
        QMenu* submenu = found->menu();
        if (i + 1 == parts.size())
            break;
        if (!submenu) {
            error = "\"" + parts[i] + "\" in \"" + path + "\" opens no menu";
            return nullptr;
        }
        emit submenu->aboutToShow();
        actions = submenu->actions();
    }
    return found;
}

void MainWindow::Sync()
{
    SyncTabs();
    SyncDocks();
    if (DocumentWidget* current = CurrentView())
        current->Refresh();
    SyncStatus();
}

void MainWindow::SyncTabs()
{
    m_syncing = true;
    const std::vector<AIDocumentHandle> documents = m_host.Documents().All();
    for (int i = m_tabs->count() - 1; i >= 0; --i) {
        auto* view = qobject_cast<DocumentWidget*>(m_tabs->widget(i));
        if (!m_host.Documents().Find(view->Document())) {
            m_tabs->removeTab(i);
            delete view;
        }
    }
    for (std::size_t i = 0; i < documents.size(); ++i) {
        const int index = static_cast<int>(i);
        auto* view = qobject_cast<DocumentWidget*>(m_tabs->widget(index));
        if (!view || view->Document() != documents[i]) {
            view = new DocumentWidget(m_host, documents[i], m_tabs);
            const hostsim::Document& document = *m_host.Documents().Find(documents[i]);
            m_tabs->insertTab(index, view, QString::fromStdString(document.Name()));
            m_tabs->setTabToolTip(index, QString::fromStdString(document.Path()));
        }
        if (documents[i] == m_host.Documents().Current())
            m_tabs->setCurrentIndex(index);
    }
    m_syncing = false;
}

void MainWindow::SyncDocks()
{
    for (PanelDock* dock : Docks())
        if (dock->Empty() || !m_host.Panels().Find(dock->Panel())) {
            removeDockWidget(dock);
            delete dock;
        }
    const std::vector<PanelDock*> docks = Docks();
    for (const AIPanelRef panel : m_host.Panels().All()) {
        if (std::none_of(docks.begin(), docks.end(), [panel](const PanelDock* dock) { return dock->Holds(panel); }))
            addDockWidget(Qt::RightDockWidgetArea,
                          new PanelDock(m_host.Panels(), panel, *m_host.Panels().Find(panel)->window, this));
    }
}

void MainWindow::SyncStatus()
{
    const hostsim::Document* document = m_host.Documents().Find(m_host.Documents().Current());
    if (document) {
        const hostsim::Page& page = document->Content().page;
        m_documentLabel->setText(tr("%1  —  %2, %3 × %4 mm, revision %5")
                                     .arg(QString::fromStdString(document->Name()), ColorModelName(document->Content().colorModel))
                                     .arg(page.width / kPointsPerMillimetre, 0, 'f', 1)
                                     .arg(page.height / kPointsPerMillimetre, 0, 'f', 1)
                                     .arg(document->Revision()));
        m_zoomLabel->setText(tr("Zoom %1 %").arg(document->View().Zoom() * 100.0, 0, 'g', 4));
        setWindowTitle(tr("%1 - Hueline Host").arg(QString::fromStdString(document->Name())));
    } else {
        m_documentLabel->setText(tr("No document"));
        m_zoomLabel->clear();
        setWindowTitle(tr("Hueline Host"));
    }
    m_engineLabel->setText(tr("Engine %1").arg(QString::fromStdString(m_engine ? m_engine->Status() : "absent")));
}

void MainWindow::OpenFromDialog()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Document"), QString(), tr("Hueline documents (*.json)"));
    if (path.isEmpty())
        return;
    std::string error;
    if (!Open(path.toStdString(), error))
        QMessageBox::warning(this, tr("Open Document"), QString::fromStdString(error));
}

void MainWindow::EditFromMenu(const std::function<hostsim::DocumentEdit(const hostsim::DocumentContent&)>& make)
{
    const hostsim::Document* document = m_host.Documents().Find(m_host.Documents().Current());
    if (!document)
        return;
    std::string error;
    if (!Edit(make(document->Content()), error))
        statusBar()->showMessage(QString::fromStdString(error), 5000);
}

void MainWindow::Zoom(double factor)
{
    if (DocumentWidget* current = CurrentView()) {
        const hostsim::Document* document = m_host.Documents().Find(current->Document());
        current->ZoomTo(document->View().Zoom() * factor);
    }
    SyncStatus();
}

void MainWindow::StartClock()
{
    if (m_clock)
        return;
    m_clock = new QTimer(this);
    m_clock->setTimerType(Qt::PreciseTimer);
    m_clock->setInterval(1000 / kTicksPerSecond);
    connect(m_clock, &QTimer::timeout, this, &MainWindow::AdvanceClock);
    m_clockTime.start();
    m_clock->start();
}

void MainWindow::AdvanceClock()
{
    // Whole ticks since the clock started, so that a late timer does not slow host time down.
    const long long due = m_clockTime.elapsed() * kTicksPerSecond / 1000 - m_clockTicks;
    if (due > 0) {
        m_host.AdvanceTicks(due);
        m_clockTicks += due;
    }
    Sync();
}

}  // namespace hostapp
