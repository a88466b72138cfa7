#include "common/grey.h"
#include "common/colours.h"
#include "common/module1.h"
#include "toolkit/builders.h"
#include "toolkit/fonts.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

Grey::Grey() : Screen(QStringLiteral("Grey"))
{
    makeBackdrop();
    SndDevil1 = named(new SoundComponent(this), QStringLiteral("SndDevil1"));
}

void Grey::load()
{
    setBackColor(colours::backdrop);
    setWindowTitle(QStringLiteral("Velmora"));
    if (const QScreen *display = QGuiApplication::primaryScreen())
        setGeometry(display->geometry());
}

void Grey::paintEvent(QPaintEvent *)
{
    // The title in the corner, yellow on blue, visible around the content screens.
    QPainter p(this);
    p.setPen(colours::text);
    p.setFont(makeFont({QStringLiteral("Times New Roman"), 18, true}));
    p.drawText(rect().adjusted(16, 8, -16, -8), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Velmora"));
}

void playIfSoundOn(const QString &relativePath)
{
    if (Module1.soundOn == 1)
        touch<Grey>().SndDevil1->play(relativePath);
}

void preloadSounds(const QStringList &relativePaths) { soundOutput().preload(relativePaths); }
