/* Exports looked up by name in the library-loading test. */
int nuro_test_answer(int x)
{
    return x * 2 + 1;
}
