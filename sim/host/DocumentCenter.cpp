#include "sim/host/DocumentCenter.h"

#include "plugin/suites/FourCC.h"
#include "sim/host/DocumentReader.h"

#include <algorithm>

namespace hostsim {

ASErr NoDocumentError()
{
    return FourCC("DOC?");
}

ASErr NoDocumentViewError()
{
    return FourCC("VEW?");
}

DocumentCenter::DocumentCenter(Notify notify) : m_notify(std::move(notify)) {}

DocumentCenter::~DocumentCenter() = default;

AIDocumentHandle DocumentCenter::Open(const std::string& path, std::string& error)
{
    std::optional<DocumentContent> content = ReadDocument(path, error);
    if (!content)
        return nullptr;
    m_current = m_documents.Emplace(path, std::move(*content));
    m_views.Emplace(m_current);
    m_notify(kDocumentChangedNotifier);
    return m_current;
}

bool DocumentCenter::Switch(AIDocumentHandle document)
{
    if (!Find(document))
        return false;
    if (document != m_current) {
        m_current = document;
        m_notify(kDocumentChangedNotifier);
    }
    return true;
}

bool DocumentCenter::Close(AIDocumentHandle document)
{
    const std::vector<AIDocumentHandle> tabs = All();
    const auto closing = std::find(tabs.begin(), tabs.end(), document);
    if (closing == tabs.end())
        return false;
    const bool wasCurrent = document == m_current;
    m_views.Remove(ViewOf(document));
    m_documents.Remove(document);
    if (wasCurrent) {
        if (closing + 1 != tabs.end())
            m_current = *(closing + 1);
        else
            m_current = closing != tabs.begin() ? *(closing - 1) : nullptr;
    }
    m_notify(kDocumentClosedNotifier);
    if (wasCurrent && m_current)
        m_notify(kDocumentChangedNotifier);
    return true;
}

bool DocumentCenter::Edit(AIDocumentHandle document, const DocumentEdit& edit, std::string& error)
{
    Document* found = Find(document);
    if (!found) {
        error = "the document is not open";
        return false;
    }
    if (!found->Apply(edit, error))
        return false;
    m_notify(kDocumentChangedNotifier);
    return true;
}

AIDocumentViewHandle DocumentCenter::FrontView() const
{
    return m_noViewYet ? nullptr : ViewOf(m_current);
}

AIDocumentViewHandle DocumentCenter::ViewOf(AIDocumentHandle document) const
{
    if (!document)
        return nullptr;
    for (const AIDocumentViewHandle view : m_views.Handles())
        if (*m_views.Find(view) == document)
            return view;
    return nullptr;
}

DocumentView* DocumentCenter::FindView(AIDocumentViewHandle view) const
{
    const AIDocumentHandle* document = m_views.Find(view);
    Document* found = document ? Find(*document) : nullptr;
    return found ? &found->View() : nullptr;
}

bool DocumentCenter::ChangeView(AIDocumentViewHandle view, const std::function<bool(DocumentView&)>& change)
{
    DocumentView* found = FindView(view);
    if (!found || !change(*found))
        return false;
    ++m_viewChanges;
    m_notify(kDocumentViewChangedNotifier);
    return true;
}

}  // namespace hostsim
