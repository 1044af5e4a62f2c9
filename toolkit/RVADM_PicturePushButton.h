#pragma once

#include "toolkit/RVADM_Item.h"
#include "toolkit/RVADM_QMetaObjectProxy.h"

#include <QToolButton>

#include <cstdint>

namespace qRVADM {

// A tool button showing a picture of the picture loader; a click notifies code 2 through the
// dialog's "OnPictureButtonClicked". The picture follows the host theme and carries both
// densities, so it stays crisp on every screen. On a non-modal dialog it takes no keyboard focus.
class RVADM_PicturePushButton : public RVADM_QMetaObjectProxy<RVADM_Item, QToolButton>
{
public:
    // `pictureId` as for `SetPicture`.
    RVADM_PicturePushButton(RVADM_ItemParent* parent, std::int32_t pictureId);

    // The picture `id` at its natural size; an id < 0 shows a transparent picture of the current
    // icon size. The button then takes its size hint.
    void SetPicture(std::int32_t id);
    std::int32_t GetPicture() const { return m_pictureId; }
    // Stores the tool-button style in "_rvadm_buttonstylehint" and shows the button in it.
    void SetButtonStyle(Qt::ToolButtonStyle style);
    // `delay` and `interval` in milliseconds.
    void SetAutoRepeat(bool autoRepeat, int delay, int interval);
    void SetCheckable(bool checkable);
    bool IsChecked() const;
    // Does not notify.
    void SetChecked(bool checked);

protected:
    // A theme switch reaches the button as a palette change: the picture is loaded again.
    void changeEvent(QEvent* event) override;

private:
    void ShowPicture();

    std::int32_t m_pictureId;
};

} // namespace qRVADM
