// A program built against a library the machine lacks: the loader refuses to start it.
extern "C" int kestravon_gone_answer();

int main()
{
    return kestravon_gone_answer() == 42 ? 0 : 1;
}
