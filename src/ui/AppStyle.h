// The look the whole program draws with.
#pragma once

#include <QProxyStyle>

namespace dunok {

// The desktop's own style (or the one asked for with -style), except that
// the toolbar's overflow arrow is one of our images. Qt's stock arrow is a
// PNG that it identifies by handing it to every image plugin it has, which
// loaded five plugins and two libraries before the window could show.
class AppStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Makes AppStyle the application's style; before the first widget is made.
void installAppStyle();

}  // namespace dunok
