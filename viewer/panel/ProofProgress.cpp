#include "viewer/panel/ProofProgress.h"

#include "support/Localization.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kBarWidth = 320;

QString Localized(const char* key)
{
    return QString::fromUtf8(LocalizeKey(key));
}

}  // namespace

ProofProgress::ProofProgress(int total)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_total(total)
    , m_text(new QLabel(this))
    , m_bar(new QProgressBar(this))
    , m_cancel(new QPushButton(Localized("Cancel"), this))
{
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(Localized("Save Proof As..."));
    m_bar->setRange(0, total);
    m_bar->setMinimumWidth(kBarWidth);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
    connect(m_cancel, &QPushButton::clicked, this, [this] { Cancel(); });
    Update(0);
    show();
}

bool ProofProgress::Update(int done)
{
    m_bar->setValue(done);
    m_text->setText(QString::fromUtf8(FormatLocalized("Tile %d of %d", done, m_total)));
    QApplication::processEvents();
    return !m_cancelled;
}

void ProofProgress::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        Cancel();
    else
        QWidget::keyPressEvent(event);
}

void ProofProgress::closeEvent(QCloseEvent* event)
{
    Cancel();
    event->ignore();
}

void ProofProgress::Cancel()
{
    m_cancelled = true;
    m_cancel->setEnabled(false);
}
