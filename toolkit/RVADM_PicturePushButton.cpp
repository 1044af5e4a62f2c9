#include "toolkit/RVADM_PicturePushButton.h"

#include "toolkit/RVADM_Pictures.h"
#include "toolkit/internal/RVADM_ControlSetup.h"

#include <QEvent>
#include <QIcon>
#include <QVariant>

namespace qRVADM {
namespace {

constexpr int kFollowHostTheme = 0;
constexpr double kDensities[] = {1.0, 2.0};

QIcon TransparentIcon(const QSize& size)
{
    QPixmap blank(size);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace

RVADM_PicturePushButton::RVADM_PicturePushButton(RVADM_ItemParent* parent, std::int32_t pictureId)
    : RVADM_QMetaObjectProxy(parent, kKindPicturePushButton)
    , m_pictureId(pictureId)
{
    internal::SetUpControl(*this, nullptr, false);
    ConnectToDialog(SIGNAL(clicked()), SLOT(OnPictureButtonClicked()));
    internal::TakeNoFocusOnPanel(*this);
    SetPicture(pictureId);
}

void RVADM_PicturePushButton::SetPicture(std::int32_t id)
{
    m_pictureId = id;
    setProperty(kPictureIdProperty, id);
    ShowPicture();
    RVADM_Point best;
    GetBestSize(best);
    SetSize(best.h, best.v);
}

void RVADM_PicturePushButton::ShowPicture()
{
    if (m_pictureId < 0) {
        setIcon(TransparentIcon(iconSize()));
        return;
    }
    QIcon icon;
    QSize natural;
    for (const double density : kDensities) {
        const QPixmap picture = LoadPicture(m_pictureId, density, kFollowHostTheme);
        if (picture.isNull())
            continue;
        icon.addPixmap(picture);
        if (natural.isEmpty())
            natural = picture.size() / picture.devicePixelRatio();
    }
    setIcon(icon);
    if (!natural.isEmpty())
        setIconSize(natural);
}

void RVADM_PicturePushButton::SetButtonStyle(Qt::ToolButtonStyle style)
{
    setProperty("_rvadm_buttonstylehint", static_cast<int>(style));
    setToolButtonStyle(style);
}

void RVADM_PicturePushButton::SetAutoRepeat(bool autoRepeat, int delay, int interval)
{
    setAutoRepeat(autoRepeat);
    setAutoRepeatDelay(delay);
    setAutoRepeatInterval(interval);
}

void RVADM_PicturePushButton::SetCheckable(bool checkable)
{
    setCheckable(checkable);
}

bool RVADM_PicturePushButton::IsChecked() const
{
    return isChecked();
}

void RVADM_PicturePushButton::SetChecked(bool checked)
{
    setChecked(checked);
}

void RVADM_PicturePushButton::changeEvent(QEvent* event)
{
    QToolButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_pictureId >= 0)
        ShowPicture();
}

} // namespace qRVADM
