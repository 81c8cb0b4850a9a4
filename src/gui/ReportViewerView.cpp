#include "gui/ReportViewerView.h"

#include "gui/Conversions.h"
#include "gui/FormWindow.h"
#include "gui/ReportPainting.h"
#include "platform/forms/ReportViewer.h"

#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace gui {

namespace {

constexpr int PageGap = 12; // pixels between pages and around them

// The pages one under the other at the zoom asked for.
class PagesWidget : public QWidget {
public:
    void SetDocument(std::shared_ptr<const reports::Document> value) {
        document = std::move(value);
        Resize();
    }
    const reports::Document* Document() const { return document.get(); }
    // Device pixels per point at the current zoom.
    double Scale() const { return scale; }
    void SetScale(double value) {
        scale = value;
        Resize();
    }
    // Where a page starts, in pixels from the top of the widget.
    int PageTop(int index) const { return PageGap + index * (PageHeight() + PageGap); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        if (!document)
            return;
        for (std::size_t i = 0; i < document->pages.size(); ++i) {
            const QRect area(PageGap, PageTop(static_cast<int>(i)), PageWidth(), PageHeight());
            painter.fillRect(area.translated(3, 3), Qt::darkGray);
            painter.fillRect(area, Qt::white);
            painter.save();
            painter.translate(area.topLeft());
            painter.scale(scale, scale);
            PaintPage(painter, document->pages[i]);
            painter.restore();
        }
    }

private:
    int PageWidth() const { return document ? static_cast<int>(std::lround(document->width * scale)) : 0; }
    int PageHeight() const { return document ? static_cast<int>(std::lround(document->height * scale)) : 0; }
    void Resize() {
        const int pages = document ? static_cast<int>(document->pages.size()) : 0;
        setFixedSize(PageWidth() + 2 * PageGap, PageGap + pages * (PageHeight() + PageGap));
        update();
    }

    std::shared_ptr<const reports::Document> document;
    double scale = 1;
};

class ReportViewerView : public ControlView {
public:
    ReportViewerView(forms::ReportViewer& viewer, FormWindow& window) : ControlView(viewer, window), viewer(viewer) {
        auto* shown = new QWidget;
        auto* layout = new QVBoxLayout(shown);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        toolBar = new QToolBar;
        printAction = toolBar->addAction(QStringLiteral("Print"));
        QObject::connect(printAction, &QAction::triggered, &window,
                         [this] { Window().Guard([this] { this->viewer.PrintReport(); }); });
        zoomLabel = new QLabel;
        toolBar->addSeparator();
        toolBar->addWidget(zoomLabel);
        layout->addWidget(toolBar);
        auto* splitter = new QSplitter;
        groupTree = new QTreeWidget;
        groupTree->setHeaderHidden(true);
        QObject::connect(groupTree, &QTreeWidget::itemClicked, &window,
                         [this](QTreeWidgetItem* item) { GoToPage(item->data(0, Qt::UserRole).toInt()); });
        pages = new PagesWidget;
        scroller = new QScrollArea;
        scroller->setWidget(pages);
        scroller->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        splitter->addWidget(groupTree);
        splitter->addWidget(scroller);
        splitter->setStretchFactor(1, 1);
        layout->addWidget(splitter, 1);
        SetWidget(shown);
    }
    bool ClicksOnRelease() const override { return false; }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "ReportSource") || Is(property, "ViewReport"))
            ShowDocument();
        if (Is(property, "DisplayGroupTree"))
            groupTree->setVisible(viewer.DisplayGroupTree());
        if (Is(property, "EnableGroupTree"))
            groupTree->setEnabled(viewer.EnableGroupTree());
        if (Is(property, "EnablePrintButton"))
            printAction->setEnabled(viewer.EnablePrintButton());
        if (Is(property, "DisplayToolbar"))
            toolBar->setVisible(viewer.DisplayToolbar());
        if (Is(property, "Zoom") || Is(property, "Width") || Is(property, "Height"))
            ShowZoom();
        if (property == "PrintReport")
            Window().Guard([this] { PrintPages(); });
    }

private:
    void ShowDocument() {
        auto document = viewer.ReportSource<const reports::Document>();
        pages->SetDocument(document);
        groupTree->clear();
        if (document)
            for (const reports::GroupEntry& group : document->groups) {
                auto* item = new QTreeWidgetItem(groupTree, QStringList{ToQString(group.text)});
                item->setData(0, Qt::UserRole, group.page);
            }
        ShowZoom();
    }

    // The platform's viewer counts zoom 1 as the page's width and 2 as the whole page; any other value is percent.
    void ShowZoom() {
        const reports::Document* document = pages->Document();
        const double dotsPerPoint = pages->logicalDpiX() / 72.0;
        const int zoom = viewer.ZoomLevel();
        double scale = dotsPerPoint * zoom / 100.0;
        if (document != nullptr && (zoom == 1 || zoom == 2)) {
            const QSize room = scroller->viewport()->size() - QSize(2 * PageGap, 2 * PageGap);
            scale = room.width() / document->width;
            if (zoom == 2)
                scale = std::min(scale, room.height() / document->height);
            scale = std::max(scale, 0.05);
        }
        zoomLabel->setText(zoom == 1   ? QStringLiteral("Page width")
                           : zoom == 2 ? QStringLiteral("Whole page")
                                       : QStringLiteral("%1%").arg(zoom));
        pages->SetScale(scale);
    }

    void GoToPage(int page) { scroller->verticalScrollBar()->setValue(pages->PageTop(std::max(page, 1) - 1)); }

    void PrintPages() {
        if (const reports::Document* document = pages->Document())
            DefaultPrinter().Print(*document);
    }

    forms::ReportViewer& viewer;
    QToolBar* toolBar;
    QAction* printAction;
    QLabel* zoomLabel;
    QTreeWidget* groupTree;
    QScrollArea* scroller;
    PagesWidget* pages;
};

} // namespace

std::unique_ptr<ControlView> MakeReportViewerView(forms::ReportViewer& viewer, FormWindow& window) {
    return std::make_unique<ReportViewerView>(viewer, window);
}

} // namespace gui
