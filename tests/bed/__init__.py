# What the tests share beyond one story: the seeded churn and its check (also the soak's).
