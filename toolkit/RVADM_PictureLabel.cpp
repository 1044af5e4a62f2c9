#include "toolkit/RVADM_PictureLabel.h"

#include "toolkit/IADMDrawer.h"
#include "toolkit/ItemDefaultPainter.h"
#include "toolkit/RVADM_Pictures.h"
#include "toolkit/RVADM_WidgetDrawer.h"
#include "toolkit/internal/RVADM_ControlSetup.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace qRVADM {
namespace {

constexpr int kFollowHostTheme = 0;

} // namespace

RVADM_PictureLabel::RVADM_PictureLabel(RVADM_ItemParent* parent, std::int32_t pictureId)
    : RVADM_QMetaObjectProxy(parent, kKindPictureLabel)
    , m_pictureId(pictureId)
{
    internal::SetUpControl(*this, nullptr, false);
    SetPicture(pictureId);
}

void RVADM_PictureLabel::SetPicture(std::int32_t id)
{
    m_pictureId = id;
    setProperty(kPictureIdProperty, id);
    if (id >= 0) {
        const QSize size = sizeHint();
        SetSize(size.width(), size.height());
    }
    update();
}

QPixmap RVADM_PictureLabel::Picture() const
{
    return m_pictureId >= 0 ? LoadPicture(m_pictureId, devicePixelRatioF(), kFollowHostTheme) : QPixmap();
}

// A disabled label shows its picture the way the style greys out a disabled icon.
QPixmap RVADM_PictureLabel::ShownPicture() const
{
    const QPixmap picture = Picture();
    if (picture.isNull() || isEnabled())
        return picture;
    QStyleOption option;
    option.initFrom(this);
    QPixmap greyed = style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
    greyed.setDevicePixelRatio(picture.devicePixelRatio());
    return greyed;
}

QSize RVADM_PictureLabel::sizeHint() const
{
    const QPixmap picture = Picture();
    return picture.isNull() ? QSize(0, 0) : picture.size() / picture.devicePixelRatio();
}

void RVADM_PictureLabel::Draw(IADMDrawer& drawer)
{
    RVADM_Item::Draw(drawer);
    const QPixmap picture = ShownPicture();
    if (picture.isNull())
        return;
    const QSize size = picture.size() / picture.devicePixelRatio();
    drawer.GetPainter().drawPixmap((width() - size.width()) / 2, (height() - size.height()) / 2, picture);
}

void RVADM_PictureLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ItemDefaultPainter<RVADM_PictureLabel> defaultPainter(*this);
    RVADM_WidgetDrawer drawer(painter, defaultPainter, *this);
    Draw(drawer);
}

void RVADM_PictureLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (rect().contains(event->pos()) && GetDialog() != nullptr)
        CallDialogSlot("OnPictureLabelClicked");
}

} // namespace qRVADM
