#pragma once

#include "plugin/suites/AIGeometry.h"
#include "plugin/suites/SPTypes.h"

#include <QAbstractScrollArea>

#include <functional>
#include <memory>

namespace hostsim {
class Document;
class DocumentView;
class Host;
}  // namespace hostsim

namespace hostapp {

class ArtworkPainter;

// The window of one open document: the pasteboard, the page and the artwork at the zoom and
// centre of the document's host view. The host view is the model: every user scroll, zoom and
// resize changes it through the host (which notifies the plug-ins), and Refresh() follows changes
// made elsewhere (plug-ins, edits, scripts).
class DocumentWidget final : public QAbstractScrollArea
{
    Q_OBJECT

public:
    DocumentWidget(hostsim::Host& host, AIDocumentHandle document, QWidget* parent = nullptr);
    ~DocumentWidget() override;
    DocumentWidget(const DocumentWidget&) = delete;
    DocumentWidget& operator=(const DocumentWidget&) = delete;

    AIDocumentHandle Document() const { return m_document; }

    // Each returns false when the host refused the change (a closed document, a bad value).
    // Zooms are view pixels per artwork point (1 = 100 %), kept about the window's centre.
    bool ZoomTo(double zoom);
    bool ZoomAtPixel(double zoom, const QPointF& pixel);
    // Fits the page with a margin, and keeps it fitted as the window resizes.
    bool FitPage();
    // View pixels; positive dx shows more to the right, positive dy more below.
    bool ScrollBy(double dx, double dy);

    // Repaints and moves the scroll bars when the document or its view changed since last time.
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct Snapshot
    {
        AIRealPoint center;
        double zoom;
        double width;
        double height;
        ASUInt32 revision;
        bool operator==(const Snapshot& other) const;
    };

    const hostsim::DocumentView* View() const;
    bool Change(const std::function<bool(hostsim::DocumentView&)>& change);
    Snapshot Take() const;
    void SyncScrollBars();
    // The painters of the document's current revision, each made at its first paint: the second
    // paints the lower band of a repaint shared between two threads. Qt keeps what it makes of a
    // path for painting in the path, at its first painting: two threads never paint one path.
    const ArtworkPainter& ArtworkOf(const hostsim::Document& document, int band);

    hostsim::Host& m_host;
    AIDocumentHandle m_document;
    Snapshot m_shown{};
    bool m_keepFitted = true;  // resizes fit the page until the user zooms or scrolls
    bool m_syncing = false;   // scroll bars are being moved to the view, not by the user
    std::unique_ptr<ArtworkPainter> m_artwork[2];
    ASUInt32 m_artworkRevision = 0;
};

}  // namespace hostapp
