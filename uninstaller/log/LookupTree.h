// The lookup trees of the item store: records keyed by up to three strings, the first compared
// from its end (CompareFromEnd), the others with CompareNoCase. The tree only serves lookup;
// records stay in their table in log order. Search and insertion are iterative, and the tree is
// kept balanced (AVL) so that logs written in sorted order do not make it a long chain.
#pragma once

struct TreeKey {
  const char* first;
  const char* second;  // nullptr when the key has no second part
  const char* third;   // nullptr when the key has no third part
};

typedef TreeKey (*TreeKeyOf)(const void* record);

struct LookupTreeNode {
  LookupTreeNode* child[2];  // [0] when the stored key compares below the searched one
  const void* record;
  // Of the record's first key, which does not change while reading: its length and its last
  // eight characters (see KeyTail), which decide most comparisons without touching the record.
  unsigned firstLength;
  unsigned long long firstTail;
  signed char balance;       // height of child[1] minus height of child[0]
};

// Stored against searched: <0, 0 (same key), >0.
int CompareTreeKeys(const TreeKey& stored, const TreeKey& searched);

// The record with this key, or nullptr.
const void* TreeFind(const LookupTreeNode* root, const TreeKey& key, TreeKeyOf keyOf);

// Hangs a record whose key is not in the tree yet. 0 on success, 1 when memory is short.
int TreeInsert(LookupTreeNode** root, const void* record, TreeKeyOf keyOf);

// Frees the nodes of every tree.
void FreeAllTreeNodes();
