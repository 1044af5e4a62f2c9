#include "toolkit/internal/RVADM_AccessibleFactory.h"

#include "toolkit/RVADM_CustomItem.h"
#include "toolkit/RVADM_DropDownList.h"
#include "toolkit/RVADM_PictureLabel.h"
#include "toolkit/internal/RVADM_DropDownAccessible.h"

#include <QAccessibleWidget>

namespace qRVADM::internal {
namespace {

QAccessibleInterface* Interface(const QString&, QObject* object)
{
    if (auto* label = dynamic_cast<RVADM_PictureLabel*>(object))
        return new QAccessibleWidget(label, QAccessible::Graphic);
    if (auto* item = dynamic_cast<RVADM_CustomItem*>(object))
        return new QAccessibleWidget(item, QAccessible::Canvas);
    if (auto* list = dynamic_cast<RVADM_DropDownList*>(object))
        return new RVADM_DropDownAccessible(*list);
    return nullptr;
}

// Qt keeps the factory's address: a plug-in that unloads must take it back.
struct Installation
{
    Installation() { QAccessible::installFactory(&Interface); }
    ~Installation() { QAccessible::removeFactory(&Interface); }
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;
};

} // namespace

void InstallAccessibleFactory()
{
    static const Installation installation;
}

} // namespace qRVADM::internal
