#include "import/ImportGame.h"

const PictureKindInfo &pictureKindInfo(PictureKind kind)
{
    static const std::array<PictureKindInfo, PictureKindCount> kinds{{
        {"Front", EntryField::Front01},
        {"Back", EntryField::Back01},
        {"Title", EntryField::Title01},
        {"Screen", EntryField::Screen01},
        {"Media", EntryField::Media01},
        {"Advert", EntryField::Adv01},
    }};
    return kinds[static_cast<size_t>(kind)];
}
