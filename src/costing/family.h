#pragma once

namespace costing {

// Product family of an order (ZAKAZ.TIPPROD). Book and label orders have several print
// parts, sheet and box orders exactly one.
enum class ProductFamily { Book = 0, Sheet = 1, Label = 2, Box = 3 };

}  // namespace costing
