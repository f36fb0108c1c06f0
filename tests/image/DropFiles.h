#pragma once

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "image/TImgView32.h"

namespace pixmora {

// Delivers a drag and drop of the given files onto the view, as the desktop does; returns
// whether the enter was accepted.
inline bool DropFiles(TImgView32& view, const QStringList& names) {
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& name : names)
    urls << QUrl::fromLocalFile(name);
  data.setUrls(urls);
  QDragEnterEvent enter(QPoint(5, 6), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view.viewport(), &enter);
  QDropEvent drop(QPointF(5, 6), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view.viewport(), &drop);
  return enter.isAccepted();
}

}  // namespace pixmora
