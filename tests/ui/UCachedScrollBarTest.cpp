#include "ui/UCachedScrollBar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <functional>
#include <memory>

#include "ui/qt/NamedChildren.h"

namespace pixmora {
namespace {

// A cached bar beside a plain one of the same settings: each change is made to both, and the
// cached bar must paint what the plain one paints, never the picture of an earlier look.
struct BarPair {
  explicit BarPair(Qt::Orientation orientation)
      : cached(orientation, nullptr), plain(orientation, nullptr) {
    for (QScrollBar* bar : {static_cast<QScrollBar*>(&cached), &plain}) {
      bar->resize(orientation == Qt::Horizontal ? QSize(400, 14) : QSize(14, 300));
      bar->setRange(0, 1000);
      bar->setPageStep(100);
      bar->show();
    }
  }
  void Change(const std::function<void(QScrollBar&)>& change) {
    change(cached);
    change(plain);
  }
  static QImage Picture(QScrollBar& bar) { return bar.grab().toImage(); }
  bool SamePicture() { return Picture(cached) == Picture(plain); }

  TCachedScrollBar cached;
  QScrollBar plain;
};

TEST(CachedScrollBarTest, PaintsWhatAPlainBarPaintsThroughEveryChange) {
  for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
    BarPair bars(orientation);
    ASSERT_TRUE(bars.SamePicture());
    ASSERT_TRUE(bars.SamePicture());  // the second paint comes from the kept picture
    const std::function<void(QScrollBar&)> changes[] = {
        [](QScrollBar& bar) { bar.setValue(500); },
        [](QScrollBar& bar) { bar.setRange(0, 0); },
        [](QScrollBar& bar) { bar.setRange(0, 1000); },
        [](QScrollBar& bar) { bar.setPageStep(900); },
        [](QScrollBar& bar) { bar.setEnabled(false); },
        [](QScrollBar& bar) { bar.setEnabled(true); },
        [](QScrollBar& bar) { bar.setInvertedAppearance(true); },
        [](QScrollBar& bar) { bar.resize(bar.size() + QSize(30, 30)); },
        [](QScrollBar& bar) {
          QPalette colors = bar.palette();
          colors.setColor(QPalette::Button, Qt::darkRed);
          bar.setPalette(colors);
        },
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
      bars.Change(changes[i]);
      EXPECT_TRUE(bars.SamePicture()) << "change " << i << ", orientation " << orientation;
    }
  }
}

TEST(CachedScrollBarTest, StaysOpaqueWhenTheStyleChanges) {
  // A widget does not own the style it is given, and must not outlive it.
  const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
  TCachedScrollBar bar(Qt::Horizontal, nullptr);
  bar.show();
  EXPECT_TRUE(bar.testAttribute(Qt::WA_OpaquePaintEvent));
  // A style's polish may clear the attribute; the bar sets it again.
  bar.setStyle(fusion.get());
  EXPECT_TRUE(bar.testAttribute(Qt::WA_OpaquePaintEvent));
  QScrollBar plain(Qt::Horizontal);
  plain.resize(bar.size());
  plain.setStyle(bar.style());
  plain.show();
  EXPECT_EQ(bar.grab().toImage(), plain.grab().toImage());
}

TEST(NamedChildrenTest, FindsAChildByNameAndAgainOnceItIsGone) {
  QObject root;
  NamedChildren<QObject> children(root);
  EXPECT_EQ(children.Find("lblSize"), nullptr);
  auto* first = new QObject(&root);
  first->setObjectName("lblSize");
  EXPECT_EQ(children.Find("lblSize"), first);  // not found before, so looked up again
  delete first;
  auto* second = new QObject(&root);
  second->setObjectName("lblSize");
  EXPECT_EQ(children.Find("lblSize"), second);
}

}  // namespace
}  // namespace pixmora
