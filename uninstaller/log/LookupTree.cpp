#include "uninstaller/log/LookupTree.h"

#include <cstring>

#include "uninstaller/log/Arena.h"
#include "uninstaller/log/NameCompare.h"

namespace {

// An AVL tree of n nodes is less than 1.45 * log2(n + 2) high: 64 levels cover any arena.
const int kMaxDepth = 64;

// Nodes live apart from the records so that a search walks densely packed memory.
Arena g_nodes;

// Rotates the subtree at `node`, whose side `heavy` is two levels higher, and returns its new
// root. Only called on insertion, so the heavy child leans one way.
LookupTreeNode* Rebalance(LookupTreeNode* node, int heavy) {
  int light = 1 - heavy;
  signed char lean = heavy ? 1 : -1;
  LookupTreeNode* child = node->child[heavy];
  if (child->balance == lean) {
    node->child[heavy] = child->child[light];
    child->child[light] = node;
    node->balance = 0;
    child->balance = 0;
    return child;
  }
  LookupTreeNode* grandchild = child->child[light];
  child->child[light] = grandchild->child[heavy];
  grandchild->child[heavy] = child;
  node->child[heavy] = grandchild->child[light];
  grandchild->child[light] = node;
  node->balance = grandchild->balance == lean ? static_cast<signed char>(-lean) : 0;
  child->balance = grandchild->balance == -lean ? lean : 0;
  grandchild->balance = 0;
  return grandchild;
}

int CompareFurtherKeys(const TreeKey& stored, const TreeKey& searched) {
  int result = 0;
  if (searched.second) result = CompareNoCase(stored.second, searched.second);
  if (result == 0 && searched.third) result = CompareNoCase(stored.third, searched.third);
  return result;
}

// The last eight characters of a key, upper-cased, the last one in the highest byte; 0 bytes
// stand for the characters before a shorter key's start.
unsigned long long KeyTail(const char* key, std::size_t length) {
  unsigned long long tail = 0;
  for (std::size_t k = 0; k < 8; ++k) {
    unsigned long long c = k < length ? UpperCaseOf(key[length - 1 - k]) : 0;
    tail |= c << (56 - 8 * k);
  }
  return tail;
}

// Stored node against the searched key. Tails that differ in a character both keys have decide
// as CompareFromEnd would; otherwise the whole keys are compared.
int CompareNode(const LookupTreeNode* node, const TreeKey& key, std::size_t searchedLength,
                unsigned long long searchedTail, TreeKeyOf keyOf) {
  unsigned long long differing = node->firstTail ^ searchedTail;
  if (differing) {
    int shift = (63 - __builtin_clzll(differing)) & ~7;
    int storedChar = static_cast<int>((node->firstTail >> shift) & 0xFF);
    int searchedChar = static_cast<int>((searchedTail >> shift) & 0xFF);
    if (storedChar && searchedChar) return storedChar - searchedChar;
  }
  TreeKey stored = keyOf(node->record);
  int result = CompareFromEnd(stored.first, node->firstLength, key.first, searchedLength);
  return result != 0 ? result : CompareFurtherKeys(stored, key);
}

}  // namespace

int CompareTreeKeys(const TreeKey& stored, const TreeKey& searched) {
  int result = CompareFromEnd(stored.first, searched.first);
  return result != 0 ? result : CompareFurtherKeys(stored, searched);
}

const void* TreeFind(const LookupTreeNode* root, const TreeKey& key, TreeKeyOf keyOf) {
  std::size_t length = std::strlen(key.first);
  unsigned long long tail = KeyTail(key.first, length);
  const LookupTreeNode* node = root;
  while (node) {
    int comparison = CompareNode(node, key, length, tail, keyOf);
    if (comparison == 0) return node->record;
    node = node->child[comparison < 0 ? 0 : 1];
  }
  return nullptr;
}

int TreeInsert(LookupTreeNode** root, const void* record, TreeKeyOf keyOf) {
  LookupTreeNode* added = static_cast<LookupTreeNode*>(g_nodes.Allocate(sizeof(LookupTreeNode)));
  if (!added) return 1;
  added->child[0] = added->child[1] = nullptr;
  added->record = record;
  added->balance = 0;
  TreeKey key = keyOf(record);
  std::size_t length = std::strlen(key.first);
  added->firstLength = static_cast<unsigned>(length);
  added->firstTail = KeyTail(key.first, length);

  LookupTreeNode* path[kMaxDepth];
  int side[kMaxDepth];
  int depth = 0;
  for (LookupTreeNode* node = *root; node; node = node->child[side[depth++]]) {
    if (depth == kMaxDepth) return 1;
    path[depth] = node;
    side[depth] = CompareNode(node, key, length, added->firstTail, keyOf) < 0 ? 0 : 1;
  }
  if (depth == 0) {
    *root = added;
    return 0;
  }
  path[depth - 1]->child[side[depth - 1]] = added;

  // Walk back up while the subtree grew; one rotation ends it.
  for (int level = depth - 1; level >= 0; --level) {
    LookupTreeNode* node = path[level];
    node->balance = static_cast<signed char>(node->balance + (side[level] ? 1 : -1));
    if (node->balance == 0) break;
    if (node->balance == 1 || node->balance == -1) continue;
    LookupTreeNode* subtree = Rebalance(node, side[level]);
    if (level == 0) {
      *root = subtree;
    } else {
      path[level - 1]->child[side[level - 1]] = subtree;
    }
    break;
  }
  return 0;
}

void FreeAllTreeNodes() { g_nodes.FreeAll(); }
