#include "sim/host/DocumentCenter.h"

#include "plugin/suites/FourCC.h"
#include "sim/host/DocumentReader.h"
#include "sim/host/OwnedList.h"

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
    m_documents.push_back(std::make_unique<AIDocumentOpaque>(path, std::move(*content)));
    m_current = m_documents.back().get();
    m_notify(kDocumentChangedNotifier);
    return m_current;
}

bool DocumentCenter::Switch(AIDocumentHandle document)
{
    AIDocumentOpaque* found = Find(document);
    if (!found)
        return false;
    if (found != m_current) {
        m_current = found;
        m_notify(kDocumentChangedNotifier);
    }
    return true;
}

bool DocumentCenter::Close(AIDocumentHandle document)
{
    const auto closing = PositionOf(m_documents, document);
    if (closing == m_documents.end())
        return false;
    const bool wasCurrent = closing->get() == m_current;
    const auto next = m_documents.erase(closing);
    if (wasCurrent) {
        if (next != m_documents.end())
            m_current = next->get();
        else
            m_current = m_documents.empty() ? nullptr : m_documents.back().get();
    }
    m_notify(kDocumentClosedNotifier);
    if (wasCurrent && m_current)
        m_notify(kDocumentChangedNotifier);
    return true;
}

bool DocumentCenter::Edit(AIDocumentHandle document, const DocumentEdit& edit, std::string& error)
{
    AIDocumentOpaque* found = Find(document);
    if (!found) {
        error = "the document is not open";
        return false;
    }
    if (!found->Apply(edit, error))
        return false;
    m_notify(kDocumentChangedNotifier);
    return true;
}

AIDocumentOpaque* DocumentCenter::Find(AIDocumentHandle document) const
{
    return FindOwned(m_documents, document);
}

std::vector<AIDocumentOpaque*> DocumentCenter::All() const
{
    std::vector<AIDocumentOpaque*> documents;
    for (const auto& document : m_documents)
        documents.push_back(document.get());
    return documents;
}

AIDocumentViewHandle DocumentCenter::FrontView() const
{
    return m_current && !m_noViewYet ? &m_current->View() : nullptr;
}

AIDocumentViewOpaque* DocumentCenter::FindView(AIDocumentViewHandle view) const
{
    for (const auto& document : m_documents)
        if (&document->View() == view)
            return &document->View();
    return nullptr;
}

bool DocumentCenter::ChangeView(AIDocumentViewHandle view, const std::function<bool(DocumentView&)>& change)
{
    AIDocumentViewOpaque* found = FindView(view);
    if (!found || !change(*found))
        return false;
    m_notify(kDocumentViewChangedNotifier);
    return true;
}

}  // namespace hostsim
