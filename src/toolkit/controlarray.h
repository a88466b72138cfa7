#pragma once
// An indexed control array (Label3(0), Label3(1), ...; gaps allowed). One
// handler per event serves every member and receives the member's index.
#include "toolkit/mousecontrol.h"

#include <QObject>
#include <functional>
#include <map>
#include <type_traits>

template <class Control>
class ControlArray {
public:
    ControlArray() = default;
    ControlArray(const ControlArray &) = delete;
    ControlArray &operator=(const ControlArray &) = delete;

    Control *operator[](int index) const
    {
        const auto it = members_.find(index);
        Q_ASSERT_X(it != members_.end(), "ControlArray", "no control at this index");
        return it == members_.end() ? nullptr : it->second;
    }
    bool contains(int index) const { return members_.count(index) != 0; }
    int size() const { return int(members_.size()); }

    void add(int index, Control *control)
    {
        members_[index] = control;
        if constexpr (std::is_base_of_v<MouseControl, Control>) {
            QObject::connect(control, &MouseControl::clicked, control, [this, index] {
                if (onClick)
                    onClick(index);
            });
            QObject::connect(control, &MouseControl::mouseMoved, control, [this, index](const MouseState &s) {
                if (onMouseMove)
                    onMouseMove(index, s);
            });
            QObject::connect(control, &MouseControl::mousePressed, control, [this, index](const MouseState &s) {
                if (onMouseDown)
                    onMouseDown(index, s);
            });
            QObject::connect(control, &MouseControl::mouseReleased, control, [this, index](const MouseState &s) {
                if (onMouseUp)
                    onMouseUp(index, s);
            });
        }
    }

    template <class F>
    void forEach(F f) const
    {
        for (const auto &[index, control] : members_)
            f(index, control);
    }

    std::function<void(int)> onClick;
    std::function<void(int, const MouseState &)> onMouseMove;
    std::function<void(int, const MouseState &)> onMouseDown;
    std::function<void(int, const MouseState &)> onMouseUp;

private:
    std::map<int, Control *> members_;
};
