#pragma once

#include "toolkit/RVADM_Item.h"
#include "toolkit/RVADM_QMetaObjectProxy.h"

#include <QWidget>

#include <cstdint>

namespace qRVADM {

// Draws a picture of the picture loader, centred, in the host theme and the density of the screen
// it is on; greyed out while the label is disabled. A mouse release inside the label notifies code 2 through the dialog's
// "OnPictureLabelClicked"; a release outside (after a press inside) notifies nothing.
class RVADM_PictureLabel : public RVADM_QMetaObjectProxy<RVADM_Item, QWidget>
{
public:
    // `pictureId` as for `SetPicture`.
    RVADM_PictureLabel(RVADM_ItemParent* parent, std::int32_t pictureId);

    // The picture `id`; the label takes the picture's size. An id < 0 draws no picture.
    void SetPicture(std::int32_t id);
    std::int32_t GetPicture() const { return m_pictureId; }

    // The picture's size in logical pixels; (0, 0) without a picture.
    QSize sizeHint() const override;
    // The item's default painting (its background), then the picture.
    void Draw(IADMDrawer& drawer) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap Picture() const;
    QPixmap ShownPicture() const;

    std::int32_t m_pictureId;
};

} // namespace qRVADM
