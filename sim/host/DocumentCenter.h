#pragma once

#include "sim/common/HandleTable.h"
#include "sim/host/Document.h"

#include <functional>
#include <string>
#include <vector>

namespace hostsim {

constexpr const char* kDocumentChangedNotifier = "AI Document Changed Notifier";
constexpr const char* kDocumentClosedNotifier = "AI Document Closed Notifier";
constexpr const char* kDocumentViewChangedNotifier = "AI Document View Changed Notifier";

// The host's answers when there is no current document, or no view to report.
ASErr NoDocumentError();
ASErr NoDocumentViewError();

// The open documents in tab order, the current one, and their views. Every change a plug-in
// could observe sends the host's notification through `notify`, synchronously, after the change
// is complete:
// - opening, switching to another document and every edit: "AI Document Changed Notifier";
// - closing: "AI Document Closed Notifier" once the document is gone and the next one is
//   current, then "AI Document Changed Notifier" when another document became current;
// - every view change: "AI Document View Changed Notifier".
// Plug-ins may call back into the host from inside a notification.
class DocumentCenter
{
public:
    using Notify = std::function<void(const char* type)>;

    explicit DocumentCenter(Notify notify);
    ~DocumentCenter();
    DocumentCenter(const DocumentCenter&) = delete;
    DocumentCenter& operator=(const DocumentCenter&) = delete;

    // Reads a document file and makes it current, its tab last. When the file cannot be read
    // or is not a sound document, returns null with the reader's error and changes nothing.
    AIDocumentHandle Open(const std::string& path, std::string& error);
    // False for a handle that is not open. Switching to the current document sends nothing.
    bool Switch(AIDocumentHandle document);
    // Closing the current document makes its right-hand neighbour current, else its left one.
    bool Close(AIDocumentHandle document);
    // Applies an edit (Document::Apply); false with `error` when it cannot be applied.
    bool Edit(AIDocumentHandle document, const DocumentEdit& edit, std::string& error);

    AIDocumentHandle Current() const { return m_current; }
    Document* Find(AIDocumentHandle document) const { return m_documents.Find(document); }
    // The open documents in tab order.
    std::vector<AIDocumentHandle> All() const { return m_documents.Handles(); }

    // "No document view yet": there is no front view and no view reports its bounds.
    void SetNoDocumentViewYet(bool none) { m_noViewYet = none; }
    bool NoDocumentViewYet() const { return m_noViewYet; }
    // The current document's view; null without a current document or while there is no view.
    AIDocumentViewHandle FrontView() const;
    // The view of an open document; null for any other handle.
    AIDocumentViewHandle ViewOf(AIDocumentHandle document) const;
    DocumentView* FindView(AIDocumentViewHandle view) const;
    // Runs `change` on an open document's view; when it returns true, sends the view-changed
    // notification before returning true.
    bool ChangeView(AIDocumentViewHandle view, const std::function<bool(DocumentView&)>& change);
    // How many view changes were made (each sent one notification), by plug-ins or the user.
    int ViewChanges() const { return m_viewChanges; }

private:
    Notify m_notify;
    // Tabs are added last and never move, so the oldest document is the leftmost tab.
    sim::HandleTable<AIDocumentHandle, Document> m_documents;
    // Each open document's one view, by the handle of its document.
    sim::HandleTable<AIDocumentViewHandle, AIDocumentHandle> m_views;
    AIDocumentHandle m_current = nullptr;
    bool m_noViewYet = false;
    int m_viewChanges = 0;
};

}  // namespace hostsim
