// Response tables: each class keeps one static table of (notification code, id, handler) and
// looks a command up there first, then hands it to its base class.
//
//   class TMine : public TDialog {
//   public:
//       bool DispatchCommand(int id, unsigned code) override;
//   private:
//       void CmApply();
//       static const TResponseEntry<TMine> kResponses[];
//   };
//   const TResponseEntry<TMine> TMine::kResponses[] = {{BN_CLICKED, 155, &TMine::CmApply}};
//   bool TMine::DispatchCommand(int id, unsigned code)
//   {
//       return Respond(*this, kResponses, id, code) || TDialog::DispatchCommand(id, code);
//   }
#pragma once

#include <cstddef>

namespace nuro {

template <class T> struct TResponseEntry {
    unsigned code; // BN_CLICKED (also menu commands), EN_CHANGE, LBN_DBLCLK, ...
    int id;
    void (T::*handler)();
};

// Runs the first entry of table matching (id, code); false when none does.
template <class T, std::size_t N> bool Respond(T& self, const TResponseEntry<T> (&table)[N], int id, unsigned code)
{
    for (const TResponseEntry<T>& e : table) {
        if (e.id == id && e.code == code) {
            (self.*e.handler)();
            return true;
        }
    }
    return false;
}

} // namespace nuro
