#include "toolkit/frame.h"
#include "toolkit/twips.h"

Frame::Frame(QWidget *parent, double left, double top, double width, double height) : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    twips::place(this, QRectF(left, top, width, height));
}
