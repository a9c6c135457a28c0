#include <stdio.h>
#define MAX 10

/* A singly linked list. */
struct Node {
    int value;
    struct Node* next;
};

unsigned long Sum(const struct Node* p)
{
    unsigned long total = 0;
    for (; p; p = p->next)
        total += (unsigned) p->value;   // accumulate
    return total;
}

int main(void)
{
    printf("sum=%lu\n", Sum(0));
    return 0;
}
