#include "toolkit/internal/RVADM_ListEntryDelegate.h"

#include "RVADMQtManager.h"

#include <array>
#include <utility>

namespace qRVADM::internal {
namespace {

namespace manager = RVADMQtManager::QtManager;

// Palette roles a row is painted with, and the theme colour each takes.
constexpr std::array<std::pair<QPalette::ColorRole, int>, 3> kRowColors{{
    {QPalette::Text, manager::kColorText},
    {QPalette::Highlight, manager::kColorSelection},
    {QPalette::HighlightedText, manager::kColorSelectionText},
}};

} // namespace

RVADM_ListEntryDelegate::RVADM_ListEntryDelegate(QWidget* list)
    : QItemDelegate(list)
    , m_list(list)
{
}

void RVADM_ListEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    QStyleOptionViewItem themed = option;
    const bool enabled = m_list->isEnabled();
    for (const auto& [role, colorId] : kRowColors) {
        const QColor color = manager::GetControlColor(m_list, colorId, enabled);
        themed.palette.setColor(QPalette::Active, role, color);
        themed.palette.setColor(QPalette::Inactive, role, color);
        themed.palette.setColor(QPalette::Disabled, role, color);
    }
    QItemDelegate::paint(painter, themed, index);
}

} // namespace qRVADM::internal
