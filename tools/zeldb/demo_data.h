#pragma once

namespace fb {
class Connection;
}

namespace zeldb {

// Fills a freshly created database with the demo data set and moves every generator
// past the keys the demo rows use.
void loadDemoData(fb::Connection& connection);

}  // namespace zeldb
