#include "contracts/framework/MessageBox.h"

#include <iostream>
#include <mutex>

namespace {

std::mutex g_handlerLock;

int iDefaultMessageBox(const std::string& text, UINT) {
    std::cerr << text << '\n';
    return IDOK;
}

MessageBoxHandler& handler() {
    static MessageBoxHandler current = iDefaultMessageBox;
    return current;
}

}  // namespace

int AfxMessageBox(const std::string& text, UINT nType) {
    MessageBoxHandler current;
    {
        std::lock_guard<std::mutex> guard(g_handlerLock);
        current = handler();
    }
    return current(text, nType);
}

void AfxSetMessageBoxHandler(MessageBoxHandler newHandler) {
    std::lock_guard<std::mutex> guard(g_handlerLock);
    handler() = newHandler ? std::move(newHandler) : MessageBoxHandler(iDefaultMessageBox);
}
