#include "toolkit/accessibility.h"
#include "toolkit/keyboard.h"
#include "toolkit/label.h"
#include "toolkit/picturebox.h"
#include "toolkit/picturetext.h"
#include "toolkit/screen.h"

#include <QAccessibleWidget>
#include <QRegularExpression>

namespace {
std::function<QString(const QString &)> &describer()
{
    static std::function<QString(const QString &)> describe;
    return describe;
}

// A label says its caption (Greek letters for a Symbol-font label, as seen)
// unless its screen named it; a button can be pressed.
class AccessibleLabel : public QAccessibleWidget {
public:
    explicit AccessibleLabel(Label *label) : QAccessibleWidget(label, label->accessibleRole()) {}

    QAccessible::Role role() const override { return label()->accessibleRole(); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return spokenCaption(label()->displayedText());
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button)
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && role() == QAccessible::Button)
            pressControl(label());
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

// A picture says what it shows; a page of artwork reads out its text.
class AccessiblePicture : public QAccessibleWidget {
public:
    explicit AccessiblePicture(PictureView *view) : QAccessibleWidget(view, QAccessible::Graphic) {}

    QAccessible::Role role() const override { return isPage() ? QAccessible::StaticText : QAccessible::Graphic; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        if (isPage())
            return pageText();
        return describer() ? describer()(view()->picturePath()) : QString();
    }

private:
    PictureView *view() const { return static_cast<PictureView *>(widget()); }
    bool isPage() const { return view()->picture().isMetafile(); }
    // Reading a page means drawing it: done once per page shown.
    QString pageText() const
    {
        if (readPath_ != view()->picturePath() || readPath_.isEmpty()) {
            readPath_ = view()->picturePath();
            readText_ = textOf(view()->picture());
        }
        return readText_;
    }
    mutable QString readPath_, readText_;
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("Label"))
        if (auto *label = qobject_cast<Label *>(object))
            return new AccessibleLabel(label);
    // Screens are windows, whose activation screen readers follow.
    if (className == QLatin1String("Screen"))
        if (auto *screen = qobject_cast<Screen *>(object))
            return new QAccessibleWidget(screen, QAccessible::Window);
    if (className == QLatin1String("PictureView"))
        if (auto *view = qobject_cast<PictureView *>(object))
            return new AccessiblePicture(view);
    return nullptr;
}
} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&accessibleFor);
}

void setPictureDescriber(std::function<QString(const QString &)> describe) { describer() = std::move(describe); }

QString spokenCaption(const QString &caption)
{
    static const QRegularExpression marks(QStringLiteral("<<|>>"));
    return QString(caption).remove(marks).simplified();
}

void announceNameChange(QObject *control)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
