#include "X11Keysyms.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <Qt>

namespace {

struct KeyPair {
    int qtKey;
    quint32 keysym;
};

const KeyPair specialKeys[] = {
    {Qt::Key_Escape, XK_Escape},
    {Qt::Key_Tab, XK_Tab},
    {Qt::Key_Backtab, XK_ISO_Left_Tab},
    {Qt::Key_Backspace, XK_BackSpace},
    {Qt::Key_Return, XK_Return},
    {Qt::Key_Enter, XK_KP_Enter},
    {Qt::Key_Insert, XK_Insert},
    {Qt::Key_Delete, XK_Delete},
    {Qt::Key_Pause, XK_Pause},
    {Qt::Key_Print, XK_Print},
    {Qt::Key_SysReq, XK_Sys_Req},
    {Qt::Key_Clear, XK_Clear},
    {Qt::Key_Home, XK_Home},
    {Qt::Key_End, XK_End},
    {Qt::Key_Left, XK_Left},
    {Qt::Key_Up, XK_Up},
    {Qt::Key_Right, XK_Right},
    {Qt::Key_Down, XK_Down},
    {Qt::Key_PageUp, XK_Prior},
    {Qt::Key_PageDown, XK_Next},
    {Qt::Key_CapsLock, XK_Caps_Lock},
    {Qt::Key_NumLock, XK_Num_Lock},
    {Qt::Key_ScrollLock, XK_Scroll_Lock},
    {Qt::Key_Menu, XK_Menu},
    {Qt::Key_Help, XK_Help},
    {Qt::Key_Space, XK_space},
    {Qt::Key_VolumeDown, XF86XK_AudioLowerVolume},
    {Qt::Key_VolumeMute, XF86XK_AudioMute},
    {Qt::Key_VolumeUp, XF86XK_AudioRaiseVolume},
    {Qt::Key_MediaPlay, XF86XK_AudioPlay},
    {Qt::Key_MediaStop, XF86XK_AudioStop},
    {Qt::Key_MediaPrevious, XF86XK_AudioPrev},
    {Qt::Key_MediaNext, XF86XK_AudioNext},
};

bool isUpperLatin1Letter(int key)
{
    return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= 0xc0 && key <= 0xde && key != 0xd7);
}

} // namespace

quint32 keysymForQtKey(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F35)
        return XK_F1 + quint32(qtKey - Qt::Key_F1);
    for (const KeyPair& pair : specialKeys) {
        if (pair.qtKey == qtKey)
            return pair.keysym;
    }
    // Latin-1 keysyms equal their code points.
    if (isUpperLatin1Letter(qtKey))
        return quint32(qtKey + 0x20);
    if ((qtKey > 0x20 && qtKey <= 0x7e) || (qtKey >= 0xa0 && qtKey <= 0xff))
        return quint32(qtKey);
    return 0;
}
