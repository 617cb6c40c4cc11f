// The one way a window keeps its own writes from running its handlers.
//
// A window keeps a CHandlerBlock and adds its controls to it. While a
// CHandlerBlock::Guard lives, the signals of those controls are held,
// whatever signal a handler listens to, and IsBlocked() is true for
// handlers that listen to something else (a timer, the window's own
// commands). Guards nest; the outermost restores each control's signals as
// they were. So a text or selection the program writes never starts a
// computation; only the user's own edits do.
#pragma once

#include <QPointer>
#include <QWidget>
#include <utility>
#include <vector>

class CHandlerBlock {
public:
    CHandlerBlock() = default;
    CHandlerBlock(const CHandlerBlock&) = delete;
    CHandlerBlock& operator=(const CHandlerBlock&) = delete;

    // A control whose signals a guard holds; added once, however often
    // given. A control added while a guard lives is held at once.
    void AddControl(QWidget* control);
    bool IsBlocked() const { return m_depth > 0; }

    class Guard {
    public:
        explicit Guard(CHandlerBlock& block) : m_block(block) { m_block.Hold(); }
        ~Guard() { m_block.Release(); }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        CHandlerBlock& m_block;
    };

private:
    void Hold();
    void Release();

    std::vector<QPointer<QWidget>> m_controls;
    std::vector<std::pair<QPointer<QWidget>, bool>> m_held;
    int m_depth = 0;
};
