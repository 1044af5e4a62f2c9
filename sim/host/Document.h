#pragma once

#include "sim/host/DocumentContent.h"
#include "sim/host/DocumentView.h"

#include <string>
#include <variant>

namespace hostsim {

// Edits a user makes; `index` is the 0-based position in the artwork list.
struct MoveArtwork
{
    int index;
    double dx;  // points, to the right
    double dy;  // points, upwards
};

struct RecolourArtwork
{
    int index;
    std::vector<HostSimInkTint> fill;  // replaces the item's fill
};

struct AddArtwork
{
    ArtworkItem item;  // painted in front of everything else
};

using DocumentEdit = std::variant<MoveArtwork, RecolourArtwork, AddArtwork>;

// An open document: its file, its content, its revision and its one view.
class Document
{
public:
    Document(std::string path, DocumentContent content);
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    const std::string& Path() const { return m_path; }
    const std::string& Name() const { return m_name; }
    const DocumentContent& Content() const { return m_content; }
    ASUInt32 Revision() const { return m_revision; }
    DocumentView& View() { return m_view; }
    const DocumentView& View() const { return m_view; }

    // Applies the edit and increments the revision. An edit the document cannot take changes
    // nothing; `error` then says why, counting artwork items from 1 as document errors do.
    bool Apply(const DocumentEdit& edit, std::string& error);

private:
    std::string m_path;
    std::string m_name;  // file name, shown on the document's tab
    DocumentContent m_content;
    ASUInt32 m_revision = 0;
    DocumentView m_view;
};

}  // namespace hostsim
