// A library that the program beside it needs and that the tests leave behind: the program
// then cannot be loaded on the "machine" it is installed on.
extern "C" int kestravon_gone_answer()
{
    return 42;
}
