#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Listener.h"
#include "toolkit/Timer.h"

namespace toolkit {

// A window of the program: title, geometry and its load state. Unloading a
// window stops its timers, so no tick of a closed window ever runs.
class Window {
public:
    explicit Window(std::string title) : m_title(std::move(title)) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    const std::string& title() const { return m_title; }
    bool isLoaded() const { return m_loaded; }
    void load();
    void unload();
    // Loads the window if need be and asks the view to bring it forward.
    void show();

    struct Geometry {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };
    // Where the window is, frame included; asked of the view when it has told
    // where to look, since a desktop window moves without asking anyone.
    Geometry geometry() const { return m_geometrySource ? m_geometrySource() : m_geometry; }
    int left() const { return geometry().left; }
    int top() const { return geometry().top; }
    int width() const { return geometry().width; }
    int height() const { return geometry().height; }
    void setGeometry(int left, int top, int width, int height);
    // The view tells that the desktop moved or resized the window; the
    // windows docked to it follow (Docking.h).
    void placementChanged() const;
    // Runs after every move or resize of the window; a docked window's
    // listener. Watching a window does not change it, so a const window takes it.
    void addPlacementListener(std::function<void()> listener) const {
        m_placementListeners.push_back(std::move(listener));
    }

    struct Size {
        int width = 0;
        int height = 0;
    };
    // The part of the screen the window may cover, task bars left out, asked
    // of the view; zero-sized when no view tells, and then nothing is kept
    // inside it.
    Geometry workArea() const { return m_workAreaSource ? m_workAreaSource() : Geometry{}; }
    // How big the window is on screen, frame included, when its view lays it
    // out; otherwise the size of its geometry.
    Size frameSize() const;

    void setViewListener(std::function<void()> onChanged) { m_view.set(std::move(onChanged)); }
    void setGeometrySource(std::function<Geometry()> source) {
        m_geometrySource = std::move(source);
    }
    void setWorkAreaSource(std::function<Geometry()> source) {
        m_workAreaSource = std::move(source);
    }
    void setFrameSizeSource(std::function<Size()> source) { m_frameSizeSource = std::move(source); }
    // Runs after the window has unloaded, however it was closed.
    void setUnloadHandler(std::function<void()> handler) { m_onUnload = std::move(handler); }

protected:
    // Timers that stop with the window.
    void addTimer(Timer& timer) { m_timers.push_back(&timer); }
    // What the window does when it loads, after it is marked loaded.
    virtual void onLoad() {}

private:
    std::string m_title;
    bool m_loaded = false;
    Geometry m_geometry;
    std::function<Geometry()> m_geometrySource;
    std::function<Geometry()> m_workAreaSource;
    std::function<Size()> m_frameSizeSource;
    std::vector<Timer*> m_timers;
    std::function<void()> m_onUnload;
    Listener m_view;
    mutable std::vector<std::function<void()>> m_placementListeners;
};

}  // namespace toolkit
