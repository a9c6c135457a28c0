class Unix {
  int a; // lf only
}
