// SPDX-License-Identifier: MIT
#include "platform/Workspace.h"

#include "platform/Form.h"
#include "scheme/Scheme.h"

namespace tessary {

Workspace& Workspace::instance()
{
    static Workspace workspace;
    return workspace;
}

Form* Workspace::mainWindow() const { return m_main && !m_main->isUnloaded() ? m_main.data() : nullptr; }

void Workspace::setMainWindow(Form* main) { m_main = main; }
void Workspace::setDisplayWindow(Form* display) { m_display = display; }

Form* Workspace::displayWindow() const
{
    return m_display && !m_display->isUnloaded() ? m_display.data() : nullptr;
}

std::optional<Workspace::Place> Workspace::place(Placed window) const
{
    const Form* form = window == Placed::Main ? mainWindow() : displayWindow();
    if (!form)
        return std::nullopt;
    return Place{form->leftTw(), form->topTw(), form->widthTw(), form->heightTw(), form->formState()};
}

void Workspace::setFrame(Placed window, const Place& place)
{
    Form* form = window == Placed::Main ? mainWindow() : displayWindow();
    if (!form)
        return;
    form->setLeftTw(place.left);
    form->setTopTw(place.top);
    form->setWidthTw(place.width);
    form->setHeightTw(place.height);
}

int Workspace::setState(Placed window, int state)
{
    Form* form = window == Placed::Main ? mainWindow() : displayWindow();
    if (!form)
        return Form::Normal;
    form->setFormState(Form::WindowState(state));
    return form->formState();
}

void Workspace::setCodePrefix(const QString& prefix)
{
    if (prefix == m_prefix)
        return;
    m_prefix = prefix;
    emit codePrefixChanged();
}

void Workspace::endPreview(bool taken)
{
    if (!m_previewing)
        return;
    m_previewing = false;
    emit previewEnded(taken);
}

void Workspace::editObject(int object)
{
    if (mainWindow())
        emit editObjectRequested(object);
    else
        Scheme::instance().select(object);
}

void Workspace::takeColor(std::int32_t color)
{
    if (mainWindow())
        emit takeColorRequested(color);
    else
        Scheme::instance().setSelectedColor(color);
}

void Workspace::setShown(Tool tool, bool shown)
{
    bool& slot = m_shown[index(tool)];
    if (slot == shown)
        return;
    slot = shown;
    emit shownChanged(tool, shown);
}

} // namespace tessary
